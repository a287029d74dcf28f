#include "InterlocutorJanela.h"

#include <QMessageBox>

namespace qrx {

bool InterlocutorJanela::perguntar(const QString &texto, const QString &titulo)
{
    QMessageBox caixa(QMessageBox::Information, titulo, texto,
                      QMessageBox::Yes | QMessageBox::No);
    return caixa.exec() == QMessageBox::Yes;
}

void InterlocutorJanela::avisar(const QString &texto, const QString &titulo)
{
    QMessageBox::critical(nullptr, titulo, texto);
}

} // namespace qrx
