#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>
#include <QWidget>

namespace qrx {

// The progress bar of the update window: a filled box from the left edge to the percentage,
// with the percentage text centred and shown inverted where the box covers it.
class QRXCOREWEBUPDATE_EXPORT BarraProgresso : public QWidget {
    Q_OBJECT

public:
    explicit BarraProgresso(QWidget *parent = nullptr);

    void UpdateProgress(int percentagem);
    int percentagem() const { return m_percentagem; }
    QString texto() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    int m_percentagem = 0;
};

} // namespace qrx
