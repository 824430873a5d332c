#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Clipboard {
void putText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
QString takeText() { return QGuiApplication::clipboard()->text(); }
}
