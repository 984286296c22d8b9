// Placeworks: builds the program with its real services, shows the title screen and
// runs the event loop. Data is read relative to the working directory: the program folder
// when the program runs from one, the package's data folder when it is installed.
#include "app/options.h"
#include "core/program.h"
#include "core/settings.h"
#include "forms/display.h"
#include "forms/forms.h"
#include "media/dialogs/qtdialogs.h"
#include "media/pictures/filepictures.h"
#include "media/print/qtprintservice.h"
#include "media/random/clockrandom.h"
#include "media/sound/qtsoundplayer.h"
#include "media/textfile/textfiles.h"
#include "shell/navigation.h"
#include "shell/soundkey.h"
#include "shell/titlefrm.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>
#include <iostream>

namespace {

class FirstPaintQuit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Moves into the installed program's data folder, when it is installed, and chooses the
// worksheet folder: the setting, else the program's own "multiple" or, installed, the
// user's own folder (made with the shipped quizzes on the first start).
QString startIn() {
    const QString installed = settings::installedDataFolder(QCoreApplication::applicationDirPath(),
                                                            QStringLiteral(PW_DATA_FROM_PROGRAM));
    const QString environment = qEnvironmentVariable("PLACEWORKS_WORKSHEETS");
    const QString system = QStringLiteral("/etc/placeworks.conf");
    if (installed.isEmpty()) {
        return settings::worksheetFolder(environment, {QStringLiteral("placeworks.conf"), system},
                                         QStringLiteral("multiple"));
    }
    QDir::setCurrent(installed);
    const QString own = settings::userWorksheetFolder();
    const QString folder = settings::worksheetFolder(environment, {system}, own);
    if (folder == own) {
        settings::seedWorksheetFolder(own, QStringLiteral("multiple"));
    }
    return folder;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::cout << usage();
        return 0;
    }
    if (options.version) {
        std::cout << versionLine();
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "placeworks: " << options.error << "\n\n" << usage();
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    forms::loadApplicationFonts();

    forms::Display display;
    if (options.windowed) {
        display.showWindowed();
    } else {
        display.showOnScreen();
    }
    forms::Forms forms(display);

    ProgramState state;
    media::QtSoundPlayer sound;
    media::QtPrintService printer;
    media::QtDialogs dialogs(&display);
    media::FilePictures pictures;
    media::ClockRandom random;
    media::TextFiles files;
    Program program{state,   forms,   sound,
                    printer, dialogs, pictures,
                    random,  files,   [] { QCoreApplication::exit(0); }};
    forms.setContext(&program);
    installMenus(program);
    connectProgramKeys(program);
    program.worksheets = startIn();

    Titlefrm& title = forms.show<Titlefrm>();
    // For the start-up benchmark: quit as soon as the title screen has been painted.
    FirstPaintQuit quitAfterPaint;
    if (qEnvironmentVariableIsSet("PLACEWORKS_QUIT_AFTER_PAINT")) {
        title.installEventFilter(&quitAfterPaint);
    }
    const int rc = QApplication::exec();
    forms.unloadAll();
    return rc;
}
