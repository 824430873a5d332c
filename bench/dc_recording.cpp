// Linked with --wrap for the three Dc members below: every call from the program's code lands
// here first. Outside a recording the wrappers cost a load and a branch.

#include "dc_recording.h"

#include "platform/dc.h"

namespace {
DcRecording* g_recording = nullptr;
QPoint g_current;  // Dc keeps its current point private; the wrappers track their own
}  // namespace

DcRecorder::DcRecorder(DcRecording& into)
{
    g_recording = &into;
}

DcRecorder::~DcRecorder() { g_recording = nullptr; }

// Under the Itanium ABI a member function takes `this` as its first argument.
extern "C" {
void __real__ZN2Dc6moveToEii(Dc* dc, int x, int y);
void __real__ZN2Dc6lineToEii(Dc* dc, int x, int y);
void __real__ZN2Dc7textOutEiiRK7QString(Dc* dc, int x, int y, const QString& text);

void __wrap__ZN2Dc6moveToEii(Dc* dc, int x, int y)
{
    if (g_recording)
        g_current = QPoint(x, y);
    __real__ZN2Dc6moveToEii(dc, x, y);
}

void __wrap__ZN2Dc6lineToEii(Dc* dc, int x, int y)
{
    if (g_recording) {
        if (dc->pen().style != Pen::Style::Null && g_current != QPoint(x, y))
            g_recording->lines.emplace_back(g_current, QPoint(x, y));
        g_current = QPoint(x, y);
    }
    __real__ZN2Dc6lineToEii(dc, x, y);
}

void __wrap__ZN2Dc7textOutEiiRK7QString(Dc* dc, int x, int y, const QString& text)
{
    if (g_recording)
        g_recording->texts.push_back({QPoint(x, y), text});
    __real__ZN2Dc7textOutEiiRK7QString(dc, x, y, text);
}
}
