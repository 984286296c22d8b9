#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace forms {

// A screen timer: while Enabled it fires every Interval milliseconds on the user
// interface thread. Enabling it (again) starts the count afresh.
class Timer : public QObject {
public:
    explicit Timer(QObject* parent);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void setInterval(int ms);

    std::function<void()> onTimer;

private:
    void restart();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
};

} // namespace forms
