#include "BarraProgresso.h"

#include "TextosDescarga.h"

#include <QPaintEvent>
#include <QPainter>

namespace qrx {

BarraProgresso::BarraProgresso(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarraProgresso::UpdateProgress(int percentagem)
{
    m_percentagem = qBound(0, percentagem, 100);
    update();
}

QString BarraProgresso::texto() const
{
    return textoPercentagem(m_percentagem);
}

QSize BarraProgresso::sizeHint() const
{
    return {300, fontMetrics().height() + 8};
}

void BarraProgresso::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    const QRect area = rect();
    const QColor fundo = palette().color(QPalette::Base);
    const QColor frente = palette().color(QPalette::Text);

    pintor.fillRect(area, fundo);
    pintor.setPen(frente);
    pintor.drawText(area, Qt::AlignCenter, texto());

    // The covered part is drawn with the colours swapped, as an inverting pen would.
    const QRect barra(area.left(), area.top(), area.width() * m_percentagem / 100, area.height());
    pintor.setClipRect(barra);
    pintor.fillRect(barra, frente);
    pintor.setPen(fundo);
    pintor.drawText(area, Qt::AlignCenter, texto());
}

} // namespace qrx
