#include "shell/titlefrm.h"

#include "core/dressform.h"
#include "core/grey.h"
#include "core/program.h"
#include "forms/display.h"
#include "shell/intro0.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

void creditLine(forms::Label& l, const QString& text, forms::TwipRect r, float size) {
    l.setRect(r);
    l.setCaption(text);
    l.setFont(FontSpec{QStringLiteral("Times New Roman"), size});
    l.setForeColor(QColor(0, 0, 255));
    l.setAlignment(Align::Center);
    l.setBackStyle(BackStyle::Transparent);
}

} // namespace

Titlefrm::Titlefrm(Program& program) : Screen(program.forms), m_program(program) {
    setCaption(QStringLiteral(" "));
    setBackColor(QColor(192, 192, 192));
    setWidth(5460);
    setHeight(6570);

    Frame1.setRect(0, -90, 5480, 6660);
    Label4.setRect(60, 360, 5355, 1065);
    Label4.setCaption(QStringLiteral("Placeworks"));
    Label4.setFont(FontSpec{QStringLiteral("Times New Roman"), 27.75f, true});
    Label4.setForeColor(QColor(0, 0, 192));
    Label4.setAlignment(Align::Center);
    Label4.setBackStyle(BackStyle::Transparent);

    Picture1.setObjectName(QStringLiteral("Picture1"));
    Picture1.setRect(300, 1200, 4800, 3600);
    Picture1.setBackColor(QColor(192, 192, 192));

    creditLine(Label1, QStringLiteral("Geography for primary schools"), {360, 4980, 4695, 375},
               14.25f);
    creditLine(Label5, QStringLiteral("Written by the Placeworks team"), {480, 5310, 4455, 375},
               12);
    creditLine(Label3, QStringLiteral("Quillon Publishing Ltd"), {480, 5640, 4455, 375}, 12);

    Command1.setRect(1320, 6000, 1335, 375);
    Command1.setCaption(QStringLiteral("OK"));
    Command2.setRect(2760, 6000, 1335, 375);
    Command2.setCaption(QStringLiteral("Exit"));
    Command1.events.click = [this] { Command1_Click(); };
    Command2.events.click = [this] { Command2_Click(); };

    Label2.setRect(0, 6420, 5415, 255);
    Label2.setCaption(QStringLiteral("Copyright Quillon Publishing Ltd. All rights reserved."));
    Label2.setFont(FontSpec{QStringLiteral("Arial"), 8.25f});
    Label2.setForeColor(QColor(0, 128, 0));
    Label2.setAlignment(Align::Center);
    Label2.setBackStyle(BackStyle::Transparent);
    Frame1.setAccessibleName(QStringLiteral("Placeworks"));
}

void Titlefrm::Form_Load() {
    try {
        loadSteps();
    } catch (...) {
        fallback();
    }
}

void Titlefrm::loadSteps() {
    const forms::Display& d = m_program.display();
    setTop(d.heightTwips() / 2 - Height() / 2);
    setLeft(d.widthTwips() / 2 - Width() / 2);
    // The first time this loads the backdrop; later it brings it over the main menu,
    // so the exit confirmation stands alone.
    forms().show<Grey>();
    m_program.loadPicture(Picture1, QStringLiteral("images\\venicesm.jpg"));
}

void Titlefrm::fallback() {
    dressform(*this, m_program.display());
    Frame1.raise();
    m_program.loadPicture(Picture1, QStringLiteral("images\\venicesm.jpg"));
}

QString Titlefrm::screenTitle() const {
    return Command1.Caption() == QStringLiteral("Cancel") ? QStringLiteral("Exit Placeworks?")
                                                          : Label4.Caption();
}

forms::ControlCore* Titlefrm::exitControl() {
    return Command1.Caption() == QStringLiteral("Cancel") ? &Command1 : nullptr;
}

void Titlefrm::Command1_Click() {
    // Loading the menu the first time sets soundon to 1, so this click is heard.
    forms().show<intro0>();
    forms().unload(*this);
    m_program.play(QStringLiteral("wav\\click.wav"));
}

void Titlefrm::Command2_Click() {
    m_program.play(QStringLiteral("wav\\click.wav"));
    m_program.end();
}
