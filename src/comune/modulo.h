// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QLibrary>
#include <QStringList>

// What a module beside the program makes: the module `nome` in `cartella`
// gives a function `simbolo`, T* simbolo(const QStringList*), called with
// `argomenti`. Null when the module or the function is missing. The module
// stays loaded for the rest of the run.
template <class T>
T* creaDalModulo(const QString& cartella, const char* nome, const char* simbolo, const QStringList& argomenti)
{
    using Crea = T* (*)(const QStringList*);
    auto crea = reinterpret_cast<Crea>(QLibrary::resolve(QDir(cartella).filePath(QString::fromLatin1(nome)), simbolo));
    return crea ? crea(&argomenti) : nullptr;
}
