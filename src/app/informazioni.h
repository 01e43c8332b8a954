#pragma once

#include <QString>

// The text of the about box: the credits chosen when the program was
// configured, in four lines (name, a line of hyphens, web address, mail).
namespace Informazioni {

QString testo();

} // namespace Informazioni
