#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

/// What the structure of a placeable Windows Metafile says, or why it is broken.
struct MetafileSummary {
    QString error; // empty when the file is well formed
    int width = 0; // bounding box in twips (units per inch 1440)
    int height = 0;
    struct Record {
        uint16_t function;
        std::vector<int16_t> params; // the words after the function number
    };
    std::vector<Record> records; // without the end record
};

/// Walks the placeable header, the metafile header and every record, checking the key,
/// checksum, units per inch, header sizes, record lengths and the final end record.
MetafileSummary checkMetafile(const QByteArray& bytes);
