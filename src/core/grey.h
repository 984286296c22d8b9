#pragma once

#include "forms/screen.h"

struct Program;

// The backdrop: fills the display behind every other screen, in (48, 133, 214). The
// sound player is reached through it.
class Grey : public forms::Screen {
public:
    using Context = Program;
    explicit Grey(Program& program);
    void Form_Load() override;
    QString screenTitle() const override { return QStringLiteral("Placeworks"); }

private:
    Program& m_program;
};
