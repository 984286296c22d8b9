#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Notes the first paint of one widget after it is named.
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    void watch(QWidget* target) {
        m_target = target;
        m_painted = false;
    }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == m_target) {
            m_painted = true;
        }
        return false;
    }

private:
    QWidget* m_target = nullptr;
    bool m_painted = false;
};
