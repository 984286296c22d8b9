#pragma once

#include "core/program.h"
#include "fakes/fakesoundplayer.h"
#include "fakes/fixedrandom.h"
#include "fakes/recordingprintservice.h"
#include "fakes/scripteddialogs.h"
#include "forms/display.h"
#include "forms/forms.h"
#include "media/pictures/filepictures.h"
#include "media/textfile/textfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A whole program on fake sound, printer, dialogs and random numbers, working in a
// temporary program folder of its own: the shipped read-only folders are linked in,
// multiple/ is a copy, so a test may write and delete files freely. The display is
// 800 x 600 pixels, 12000 x 9000 twips, unless a test resizes it; positions are given
// in twips and become pixels at the display's scale.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // The program folder, and a path inside it.
    QString folder() const;
    QString path(const QString& relative) const;
    // Writes a file of the program folder (Windows-1252 bytes as given).
    void writeFile(const QString& relative, const QByteArray& bytes);
    QByteArray readFile(const QString& relative) const;
    // Replaces a linked data folder by an empty one of its own, or removes it.
    void emptyFolder(const QString& name);
    void removeFolder(const QString& name);

    // Real mouse input at twip positions of the display (not of a screen). Each click
    // and key press comes a second after the one before, as a user's do: the click guard
    // takes a quicker second click on the same control for a double-click.
    void clickAt(float x, float y, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(float x, float y);
    // The display pixel of a twip position of the display.
    QPoint pixelAt(float x, float y) const;
    // The display position of a point of the place every dressed screen takes (the
    // design's 12000 x 9000 twips, centred on the display).
    QPointF onScreens(float x, float y) const;
    // A click in the middle of a control.
    void click(QWidget& control);
    // A key pressed and released on the widget that has the keyboard focus (the display
    // when none has).
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Text typed into the focused widget.
    void type(const QString& text);
    // The click guard's clock, in milliseconds; the helpers above move it on.
    qint64 clock = 0;
    // The widget under a twip position of the display.
    QWidget* widgetAt(float x, float y) const;
    // Lets posted events (deferred deletes, single-shot timers) run.
    void settle(int ms = 0);

    forms::Screen* top() const { return forms.topScreen(); }

    // Screens of a class that serves several ids, by their names (support/casestudyscreens.h).
    template <class T> typename T::Class* loaded() const {
        return forms.loaded<typename T::Class>(T::id());
    }
    template <class T> bool isLoaded() const { return loaded<T>() != nullptr; }

    ProgramState state;
    forms::Display display;
    forms::Forms forms{display};
    fakes::FakeSoundPlayer sound;
    fakes::RecordingPrintService printer;
    fakes::ScriptedDialogs dialogs;
    fakes::FixedRandom random;
    media::FilePictures pictures;
    media::TextFiles files;
    bool ended = false;
    Program program;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
};
