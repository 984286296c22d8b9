// Feeds arbitrary bytes to the worksheet register's readers and writers as if they were
// the register file.
#include "authoring/register/worksheetregister.h"
#include "media/textfile/codepage.h"
#include "media/textfile/textfileerror.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A register held in memory instead of on disk.
class MemoryTextFiles : public media::TextFiles {
public:
    explicit MemoryTextFiles(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool exists(const QString&) const override { return true; }
    media::FieldReader openForReading(const QString&) override {
        return media::FieldReader(m_bytes);
    }
    void replace(const QString&, const QStringList& lines) override {
        QByteArray bytes;
        for (const QString& line : lines) {
            const std::optional<QByteArray> encoded = media::encode1252(line);
            if (!encoded)
                throw media::TextFileError("character outside Windows-1252");
            bytes += *encoded + "\r\n";
        }
        m_bytes = bytes;
    }

private:
    QByteArray m_bytes;
};

template <typename Operation> void tolerate(Operation operation) {
    try {
        operation();
    } catch (const media::TextFileError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MemoryTextFiles files(bytes);
    RegisterState state;
    reg::startupRead(files, state);
    reg::catalogueRead(files, state);

    const QString title = QStringLiteral("Fuzzed title");
    tolerate([&] { reg::trackworksheets(files, state, title); });
    state.chosensheet = title;
    tolerate([&] { reg::delworksheet(files, state); });
    if (state.worksheetcount && *state.worksheetcount < 0)
        std::abort();
    return 0;
}
