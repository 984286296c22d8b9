#include "core/casestudy/casestudies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace casestudy {
namespace {

// A case-study file is small; anything far larger is not one.
constexpr qint64 kMaxFileBytes = 1 << 20;

} // namespace

CaseStudies::Result CaseStudies::open(const QString& id) {
    Result r;
    r.file = m_folder + QLatin1Char('/') + id + QStringLiteral(".json");
    if (!isValidId(id)) {
        r.status = Status::Damaged;
        r.problem = {QString(), QStringLiteral("\"%1\" is not a case-study name").arg(id)};
        return r;
    }
    QFile f(r.file);
    if (!f.exists()) {
        r.status = Status::Missing;
        return r;
    }
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFileBytes) {
        r.status = Status::Damaged;
        r.problem = {QString(), QStringLiteral("the file cannot be read")};
        return r;
    }
    std::optional<Menu> menu = parse(f.read(kMaxFileBytes), id, &r.problem);
    if (!menu) {
        r.status = Status::Damaged;
        return r;
    }
    r.status = Status::Opened;
    r.menu = std::make_shared<const Menu>(std::move(*menu));
    m_menus[id] = r.menu;
    return r;
}

std::shared_ptr<const Menu> CaseStudies::menu(const QString& id) const {
    const auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : it->second;
}

std::shared_ptr<const Activity> CaseStudies::activity(const QString& screenId) const {
    for (const auto& [id, menu] : m_menus) {
        if (screenId == labellingScreen(id)) {
            return {menu, &menu->labelling};
        }
        if (screenId == orderingScreen(id)) {
            return {menu, &menu->ordering};
        }
    }
    return nullptr;
}

QStringList CaseStudies::quizFiles() const {
    QStringList out;
    const QDir dir(m_folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFileBytes) {
            continue;
        }
        const QString quiz =
            QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("quiz")).toString();
        if (!quiz.isEmpty()) {
            out << quiz;
        }
    }
    return out;
}

QString CaseStudies::describe(const Result& result) {
    const QString where = result.problem.field.isEmpty()
                              ? result.problem.what
                              : result.problem.field + QLatin1Char(' ') + result.problem.what;
    return QStringLiteral("The case-study file \"%1\" is damaged: %2. Please pass this message "
                          "on to whoever looks after Placeworks on this computer.")
        .arg(result.file, where);
}

} // namespace casestudy
