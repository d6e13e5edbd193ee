#pragma once

#include <QString>

#include <string_view>

// Tooltips of the window's keys: what each does and, for those that have one, the keyboard key
// that does the same.
namespace zudaviror::app {

// The hint of a symbol key or of TRADUCIR, ATRAS and BORRAR; empty for any other name.
QString keyHint(std::string_view keyName);

// The hints of "INICIO S." and "MOSTRAR T.", which change with what the key does next.
QString sessionKeyHint(bool sessionOpen, const QString& logPath);
QString stepsKeyHint(bool stepsShown);

// The line that tells an open session and its file.
QString sessionStateText(const QString& logPath);

} // namespace zudaviror::app
