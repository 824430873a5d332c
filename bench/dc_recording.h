#pragma once
// What a stretch of drawing asked a Dc for: its visible lines and its texts, as the link-time
// wrappers of Dc::moveTo, lineTo and textOut saw them (see dc_recording.cpp).

#include <QLine>
#include <QPoint>
#include <QString>

#include <vector>

struct DcRecording {
    struct Text {
        QPoint at;
        QString text;
    };
    std::vector<QLine> lines;  // end point excluded, as Dc draws them
    std::vector<Text> texts;
};

// Records every Dc line and text drawn while it lives; one at a time.
class DcRecorder {
public:
    explicit DcRecorder(DcRecording& into);
    ~DcRecorder();
    DcRecorder(const DcRecorder&) = delete;
    DcRecorder& operator=(const DcRecorder&) = delete;
};
