#pragma once
// The system clipboard, Unicode text only.

#include <QString>

namespace Clipboard {
void putText(const QString& text);
QString takeText();  // empty when the clipboard holds no text
}
