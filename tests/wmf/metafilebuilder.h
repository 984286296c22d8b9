#pragma once

#include <QByteArray>
#include <QRect>
#include <QVector>

#include <initializer_list>

/// Writes small metafiles for tests: an optional placeable header, the META header,
/// records given as function and 16-bit parameters, and META_EOF.
class MetafileBuilder {
public:
    MetafileBuilder& placeable(QRect box, int unitsPerInch);
    MetafileBuilder& objects(int count);
    MetafileBuilder& record(quint16 function, std::initializer_list<int> params);
    MetafileBuilder& record(quint16 function, const QVector<int>& params);
    /// The bytes; with eof false the final META_EOF is left out.
    QByteArray bytes(bool eof = true) const;

    // Common records, parameters in the order a program passes them.
    MetafileBuilder& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    MetafileBuilder& windowExt(int x, int y) { return record(0x020C, {y, x}); }
    MetafileBuilder& mapMode(int mode) { return record(0x0103, {mode}); }
    MetafileBuilder& solidBrush(quint32 rgb);
    MetafileBuilder& nullPen() { return record(0x02FA, {5, 0, 0, 0, 0}); }
    MetafileBuilder& select(int index) { return record(0x012D, {index}); }
    MetafileBuilder& rectangle(int left, int top, int right, int bottom) {
        return record(0x041B, {bottom, right, top, left});
    }

private:
    bool m_placeable = false;
    QRect m_box;
    int m_unitsPerInch = 0;
    int m_objects = 0;
    QByteArray m_records;
};
