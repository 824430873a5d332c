#pragma once
// Ends a start-up measurement: the first paint that `counts` accepts queues the quit.

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>

#include <functional>

class QuitAfterPaint : public QObject {
public:
    using Counts = std::function<bool(QObject* watched, const QPaintEvent& paint)>;
    explicit QuitAfterPaint(Counts counts = {}) : m_counts(std::move(counts)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_queued && event->type() == QEvent::Paint &&
            (!m_counts || m_counts(watched, *static_cast<QPaintEvent*>(event)))) {
            m_queued = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    Counts m_counts;
    bool m_queued = false;
};
