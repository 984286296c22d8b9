#pragma once

#include "forms/control.h"

class QPainter;

namespace forms {

enum class BackStyle { Transparent, Opaque };
enum class Align { Left, Right, Center };

// A text label: caption drawn word-wrapped from the top, its own background colour
// when opaque, an optional single-line border. With the keyboard focus (after a key
// press) it wears a white ring; lifted (carried with the keyboard), an orange one.
class Label : public Control<QWidget> {
public:
    explicit Label(QWidget* parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& text);

    BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(BackStyle style);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& c);
    void setAlignment(Align a);
    Align alignment() const { return m_align; }
    void setBorder(bool single);
    bool border() const { return m_border; }
    void setEnabled(bool enabled);
    void setLifted(bool lifted);
    bool lifted() const { return m_lifted; }

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void applyFont() override;

private:
    QFont fittedFont(const QRect& r, int flags);
    void paintCaption(QPainter& p, const QRectF& r, int flags);

    QString m_caption;
    QString m_fitKey;
    QFont m_fitFont;
    BackStyle m_backStyle = BackStyle::Opaque;
    QColor m_backColor = Qt::black;
    QColor m_foreColor = Qt::black;
    Align m_align = Align::Left;
    bool m_border = false;
    bool m_lifted = false;
};

} // namespace forms
