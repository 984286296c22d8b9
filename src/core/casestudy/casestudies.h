#pragma once

#include "core/casestudy/casestudyfile.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace casestudy {

// The case-study files of the program folder (casestudies/ID.json) and the menus opened
// from them in this run. Opening reads the file afresh, so a corrected file is used the next
// time its entry is chosen; a screen keeps the data it was built from until it unloads.
class CaseStudies {
public:
    enum class Status { Opened, Missing, Damaged };
    struct Result {
        Status status = Status::Missing;
        std::shared_ptr<const Menu> menu;
        QString file;    // as the program names it: casestudies/ID.json
        Problem problem; // when damaged
    };

    explicit CaseStudies(QString folder = QStringLiteral("casestudies"))
        : m_folder(std::move(folder)) {}

    // Reads and checks casestudies/ID.json; on success it becomes the menu of that id.
    Result open(const QString& id);

    // The menu last opened with this id, or null.
    std::shared_ptr<const Menu> menu(const QString& id) const;
    // The activity behind an activity screen's id (menu id + "lab" or "ord"), or null.
    std::shared_ptr<const Activity> activity(const QString& screenId) const;

    static QString labellingScreen(const QString& id) { return id + QStringLiteral("lab"); }
    static QString orderingScreen(const QString& id) { return id + QStringLiteral("ord"); }

    // The quiz files that the case-study files of the folder name, program-relative as
    // written; files that cannot be read are passed over.
    QStringList quizFiles() const;

    // A damaged file, in words for a teacher to pass on to a technician.
    static QString describe(const Result& result);

private:
    QString m_folder;
    std::map<QString, std::shared_ptr<const Menu>> m_menus;
};

} // namespace casestudy
