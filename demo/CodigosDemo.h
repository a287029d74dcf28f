#pragma once

#include <QString>

// Check digits of the codes the demo makes up, so that partners' validators accept them.
namespace qrx::codigos {

// The twelve digits given followed by their EAN-13 check digit.
QString ean13(const QString &dozeDigitos);

// The eight digits given followed by the check digit of a Portuguese tax number.
QString nifPortugues(const QString &oitoDigitos);

bool ean13Valido(const QString &codigo);
bool nifPortuguesValido(const QString &nif);

} // namespace qrx::codigos
