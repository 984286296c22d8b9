#include "support/programfixture.h"

#include "shell/navigation.h"
#include "shell/soundkey.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& f : QDir(from).entryInfoList(QDir::Files)) {
        QFile::copy(f.absoluteFilePath(), to + QLatin1Char('/') + f.fileName());
    }
}

} // namespace

ProgramFixture::ProgramFixture()
    : program{state,   forms,   sound,
              printer, dialogs, pictures,
              random,  files,   [this] { ended = true; }} {
    m_oldDir = QDir::currentPath();
    const QString data = QStringLiteral(PW_DATA_DIR);
    for (const char* name : {"images", "wmf", "wmf2", "wav", "logo", "casestudies"}) {
        const QString n = QString::fromLatin1(name);
        if (QDir(data + QLatin1Char('/') + n).exists()) {
            QFile::link(data + QLatin1Char('/') + n, m_dir.path() + QLatin1Char('/') + n);
        } else {
            QDir(m_dir.path()).mkdir(n);
        }
    }
    copyFolder(data + QStringLiteral("/multiple"), m_dir.path() + QStringLiteral("/multiple"));
    QDir::setCurrent(m_dir.path());

    display.resize(800, 600);
    display.show();
    // The keyboard focus needs an active window.
    QApplication::setActiveWindow(&display);
    forms.setContext(&program);
    forms.clickGuard().setClock([this] { return clock; });
    installMenus(program);
    connectProgramKeys(program);
}

ProgramFixture::~ProgramFixture() {
    forms.unloadAll();
    settle();
    QDir::setCurrent(m_oldDir);
}

QString ProgramFixture::folder() const {
    return m_dir.path();
}

QString ProgramFixture::path(const QString& relative) const {
    return m_dir.path() + QLatin1Char('/') + relative;
}

void ProgramFixture::writeFile(const QString& relative, const QByteArray& bytes) {
    QFile f(path(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relative.toStdString();
    f.write(bytes);
}

QByteArray ProgramFixture::readFile(const QString& relative) const {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFixture::emptyFolder(const QString& name) {
    removeFolder(name);
    QDir(m_dir.path()).mkdir(name);
}

void ProgramFixture::removeFolder(const QString& name) {
    const QString p = path(name);
    if (QFileInfo(p).isSymLink()) {
        QFile::remove(p);
    } else {
        QDir(p).removeRecursively();
    }
}

QPoint ProgramFixture::pixelAt(float x, float y) const {
    const forms::Scaling scaling = display.scaling();
    return {scaling.toPixels(x), scaling.toPixels(y)};
}

QPointF ProgramFixture::onScreens(float x, float y) const {
    return {x + (display.widthTwips() - forms::kDesignWidth) / 2,
            y + (display.heightTwips() - forms::kDesignHeight) / 2};
}

QWidget* ProgramFixture::widgetAt(float x, float y) const {
    QWidget* w = display.childAt(pixelAt(x, y));
    return w ? w : const_cast<forms::Display*>(&display);
}

void ProgramFixture::clickAt(float x, float y, Qt::MouseButton button) {
    clock += 1000;
    QWidget* w = widgetAt(x, y);
    QTest::mouseClick(w, button, {}, w->mapFrom(&display, pixelAt(x, y)));
}

void ProgramFixture::moveTo(float x, float y) {
    QWidget* w = widgetAt(x, y);
    QTest::mouseMove(w, w->mapFrom(&display, pixelAt(x, y)));
}

void ProgramFixture::click(QWidget& control) {
    clock += 1000;
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
}

static QWidget* keyTarget(QWidget& display) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &display;
}

void ProgramFixture::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    clock += 1000;
    QTest::keyClick(keyTarget(display), key, modifiers);
}

void ProgramFixture::type(const QString& text) {
    QTest::keyClicks(keyTarget(display), text);
}

void ProgramFixture::settle(int ms) {
    if (ms > 0) {
        QTest::qWait(ms);
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
