// What a user does all day, timed on the real window and the code that ships: slide and cursor
// steps, thumb drags, full repaints, the face composition and the readout. Shared machines are
// noisy, so each figure is printed as a ratio against a floor timed in the same process.
//
//   kestrin-bench [benchmark flags] [--figures=FILE]
//
// The figure lines go to stdout at the end, and to FILE when given.

#include "dc_recording.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "calc/position.h"
#include "calc/readout_panel.h"
#include "platform/dc.h"
#include "scales/face_composer.h"
#include "scales/graduation_tables.h"
#include "window/client_area.h"
#include "window/main_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {
CMainWindow* g_window = nullptr;

// The handler's column is p / 3000 rounded, so 3000 k - 1500 lies in column k and one unit less
// in column k - 1: a line step across this boundary moves the picture by a pixel every time.
constexpr int32_t kColumnBoundary = calc::kHome - 1500;

// A thumb drag of 50 pixels that stays between the two follow thresholds (3 060 000 and
// 3 240 000), where the index views stand still.
constexpr int32_t kDragFrom = 3'230'000;
constexpr int32_t kDragTo = kDragFrom - 150'000;

const GraduationTables& tables()
{
    static const GraduationTables built = GraduationTables::build();
    return built;
}

// Puts the rule at the given positions and paints it whole, so that the painted positions,
// the readout values and the window image match them.
void placeRule(int32_t slidePos, int32_t cursorPos)
{
    g_settings.SlidePos = slidePos;
    g_settings.CursorPos = cursorPos;
    g_window->m_repaintMask = 7;
    g_window->paintFace(QRegion(g_window->faceRect()));
    g_window->m_paintedSlidePos = slidePos;
    g_window->m_paintedCursorPos = cursorPos;
}

bool formatsHold(benchmark::State& state)
{
    if (g_window->canvas().format() != QImage::Format_RGB32 ||
        g_window->clientArea()->image().format() != QImage::Format_RGB32) {
        state.SkipWithError("canvas or window image is not RGB32");
        return false;
    }
    return true;
}

// Floor of figures 1 to 4: one plain copy of the face-sized area, canvas to window image.
void FaceCopyFloor(benchmark::State& state)
{
    if (!formatsHold(state))
        return;
    QImage& image = g_window->clientArea()->image();
    const QImage& canvas = g_window->canvas();
    const QRect area(0, 0, g_window->clientWidth(), layout::kCanvasHeight);
    const QPoint to(0, layout::kFaceTopY - 1);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.drawImage(to, canvas, area);
    }
}

// One line step of a bar through the real handler, then the paint of the face. The steps
// alternate right and left across a column boundary; "moved" is the share of steps whose
// repaint mask asked for the moved part to be drawn again.
void lineStep(benchmark::State& state, int bar)
{
    if (!formatsHold(state))
        return;
    // The slide bar runs against the slide position: a right step lowers it.
    if (bar == 0)
        placeRule(kColumnBoundary, calc::kHome);
    else
        placeRule(calc::kHome, kColumnBoundary - 1);
    const QRegion face(g_window->faceRect());
    const int bit = bar == 0 ? 1 : 2;
    bool right = true;
    int64_t moved = 0;
    for (auto _ : state) {
        g_window->onScroll(bar, right ? ScrollCode::LineRight : ScrollCode::LineLeft);
        moved += (g_window->m_repaintMask & bit) != 0;
        g_window->paintFace(face);
        right = !right;
    }
    state.counters["moved"] = benchmark::Counter(double(moved), benchmark::Counter::kAvgIterations);
}

void SlideStep(benchmark::State& state) { lineStep(state, 0); }
void CursorStep(benchmark::State& state) { lineStep(state, 1); }

// A drag notification as the bar sends it: the thumb is already where the mouse put it.
void ThumbDragStep(benchmark::State& state)
{
    if (!formatsHold(state))
        return;
    placeRule(kDragFrom, calc::kHome);
    QScrollBar* bar = g_window->bar(0);
    const QRegion face(g_window->faceRect());
    const int32_t barPositions[2] = {calc::kDecade - kDragTo, calc::kDecade - kDragFrom};
    int next = 0;
    int64_t moved = 0;
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(bar);  // the handler is called once, below
            bar->setSliderPosition(barPositions[next]);
        }
        g_window->onScroll(0, ScrollCode::ThumbTrack);
        moved += (g_window->m_repaintMask & 1) != 0;
        g_window->paintFace(face);
        next ^= 1;
    }
    state.counters["moved"] = benchmark::Counter(double(moved), benchmark::Counter::kAvgIterations);
}

void FullRepaint(benchmark::State& state)
{
    if (!formatsHold(state))
        return;
    placeRule(calc::kHome, calc::kHome);
    const QRegion face(g_window->faceRect());
    for (auto _ : state) {
        g_window->m_repaintMask = 7;
        g_window->paintFace(face);
    }
}

// Both stators and the front slide: a composer that has drawn nothing yet draws all three bands.
void FaceComposition(benchmark::State& state)
{
    QImage canvas = newCanvas();
    Dc dc(canvas);
    for (auto _ : state) {
        FaceComposer composer;
        composer.compose(dc, tables(), FaceState{0, 0});
        benchmark::ClobberMemory();
    }
}

const DcRecording& faceRecording()
{
    static const DcRecording recording = [] {
        DcRecording r;
        QImage canvas = newCanvas();
        Dc dc(canvas);
        const DcRecorder recorder(r);
        FaceComposer().compose(dc, tables(), FaceState{0, 0});
        return r;
    }();
    return recording;
}

// The composition's own lines, in one batch, and its texts, drawn plainly by one painter.
void FaceCompositionFloor(benchmark::State& state)
{
    const DcRecording& recording = faceRecording();
    QImage canvas = newCanvas();
    const QFont font = qtFont(normalFont());
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(QPen(Qt::black, 0));  // cosmetic: the raster engine's fast one-pixel lines
        painter.drawLines(recording.lines.data(), int(recording.lines.size()));
        painter.setFont(font);
        for (const DcRecording::Text& text : recording.texts)
            painter.drawText(text.at, text.text);
    }
    state.counters["lines"] = double(recording.lines.size());
    state.counters["texts"] = double(recording.texts.size());
}

// The readout panel alone, every section reprinted, into a copy of the window image.
void Readout(benchmark::State& state)
{
    placeRule(calc::kHome, calc::kHome);
    QImage image = g_window->clientArea()->image().copy();
    Dc dc(image);
    dc.selectFont(normalFont());
    calc::ReadoutPanelInput input;
    input.reading = {g_settings.SlidePos, g_settings.CursorPos, g_settings.SlideRev, g_settings.SinNum,
                     g_window->m_conversion};
    input.paintedSlidePos = g_settings.SlidePos;
    input.paintedCursorPos = g_settings.CursorPos;
    input.focusedItem = g_settings.NumFoucs;
    input.repaintMask = 7;
    input.extraWidth = g_settings.CxSize;
    calc::ReadoutChangeMemory memory;
    std::array<double, 16> values;
    values.fill(std::numeric_limits<double>::quiet_NaN());
    DcRecording printed;  // one untimed pass, to tell how many texts a readout prints
    {
        const DcRecorder recorder(printed);
        calc::drawReadout(dc, input, memory, values);
    }
    for (auto _ : state) {
        calc::drawReadout(dc, input, memory, values);
        benchmark::ClobberMemory();
    }
    int written = 0;
    for (double v : values)
        written += !std::isnan(v);
    state.counters["items"] = written;
    state.counters["texts"] = double(printed.texts.size());
}

// Sixteen seven-character texts where the readout prints its items, by one painter.
void ReadoutFloor(benchmark::State& state)
{
    QImage image = g_window->clientArea()->image().copy();
    const int w = g_settings.CxSize, h = w / 2;
    const int columns[3] = {(layout::kLeftColumnX + layout::kLeftColumnRightX) / 2,
                            (layout::kHairlineColumnX + layout::kHairlineColumnRightX) / 2 + h,
                            (layout::kRightColumnX + layout::kRightColumnRightX) / 2 + w};
    std::vector<DcRecording::Text> texts;
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 8; ++row) {
            if (column != 1 && row != 0 && row != 1 && row != 6 && row != 7)
                continue;
            const QString text = QString::number(1.0 + 0.12345 * double(texts.size()), 'f', 5);
            texts.push_back({QPoint(columns[column] - 25, layout::kRowY[size_t(row)] + 12), text});
        }
    const QFont font = qtFont(normalFont());
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::black);
        painter.setFont(font);
        for (const DcRecording::Text& text : texts)
            painter.drawText(text.at, text.text);
    }
    state.counters["texts"] = double(texts.size());
}

struct Figure {
    const char* label;
    const char* benchmark;
    const char* floor;
};
constexpr Figure kFigures[] = {
    {"slide step", "SlideStep", "FaceCopyFloor"},
    {"cursor step", "CursorStep", "FaceCopyFloor"},
    {"thumb drag step", "ThumbDragStep", "FaceCopyFloor"},
    {"full repaint", "FullRepaint", "FaceCopyFloor"},
    {"face composition", "FaceComposition", "FaceCompositionFloor"},
    {"readout", "Readout", "ReadoutFloor"},
};

// Keeps the median CPU time per iteration of every benchmark (the single run without repetitions).
class FigureReporter : public benchmark::ConsoleReporter {
public:
    FigureReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                m_seconds[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name) const
    {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? -1 : found->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

std::string duration(double seconds)
{
    char text[32];
    if (seconds < 1e-6)
        std::snprintf(text, sizeof text, "%.3g ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.3g µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.3g ms", seconds * 1e3);
    return text;
}

// A temporary configuration and runtime folder, so that nothing of the user's is read or written.
void isolate(const QTemporaryDir& dir)
{
    const QString config = dir.filePath("config"), runtime = dir.filePath("runtime");
    QDir().mkpath(config);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
}
}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::string figuresFile;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strncmp(argv[i], "--figures=", 10))
            figuresFile = argv[i] + 10;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const QTemporaryDir dir;
    isolate(dir);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("kestrin");

    g_settings = Settings{};
    g_window = new CMainWindow;
    g_window->show();
    g_window->repaint();
    for (int i = 0; i < 100 && !g_window->m_paintedOnce; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    benchmark::RegisterBenchmark("FaceCopyFloor", FaceCopyFloor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("SlideStep", SlideStep)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("CursorStep", CursorStep)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ThumbDragStep", ThumbDragStep)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FullRepaint", FullRepaint)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FaceComposition", FaceComposition)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FaceCompositionFloor", FaceCompositionFloor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Readout", Readout)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ReadoutFloor", ReadoutFloor)->Unit(benchmark::kMicrosecond);

    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::string lines;
    if (reporter.seconds("FaceCompositionFloor") > 0) {
        const DcRecording& recording = faceRecording();
        lines += "# the face composition draws " + std::to_string(recording.lines.size()) +
                 " one-pixel lines and " + std::to_string(recording.texts.size()) +
                 " texts (recorded at Dc::lineTo and Dc::textOut)\n";
    }
    for (const Figure& figure : kFigures) {
        const double value = reporter.seconds(figure.benchmark), floor = reporter.seconds(figure.floor);
        if (value <= 0 || floor <= 0)
            continue;  // filtered out or failed
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.2f", value / floor);
        lines += std::string(figure.label) + ": " + ratio + " x floor (" + duration(value) + ", floor " +
                 duration(floor) + ")\n";
    }
    std::fputs(lines.c_str(), stdout);
    if (!figuresFile.empty()) {
        QFile out(QString::fromStdString(figuresFile));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        out.write(lines.c_str());
    }
    delete g_window;
    return 0;
}
