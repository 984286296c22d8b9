#include "media/pictures/wmfsniffer.h"

#include <QtEndian>

namespace media {

bool looksLikeMetafile(QByteArrayView bytes) {
    if (bytes.size() < 6) {
        return false;
    }
    const char* d = bytes.data();
    if (qFromLittleEndian<quint32>(d) == 0x9AC6CDD7u) {
        return true;
    }
    const quint16 type = qFromLittleEndian<quint16>(d);
    const quint16 headerWords = qFromLittleEndian<quint16>(d + 2);
    const quint16 version = qFromLittleEndian<quint16>(d + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

} // namespace media
