#include "media/wmf/player.h"

#include "media/wmf/handlers.h"

namespace wmf {

namespace {

const HandlerTable& handlers() {
    static const HandlerTable table = [] {
        HandlerTable t;
        addStateHandlers(t);
        addClipHandlers(t);
        addObjectHandlers(t);
        addShapeHandlers(t);
        addTextHandlers(t);
        addBitmapHandlers(t);
        addRegionHandlers(t);
        return t;
    }();
    return table;
}

} // namespace

bool Player::play(const MetafileData& data, QPainter& painter, const QRectF& target) {
    if (target.isEmpty() || !painter.isActive())
        return true;
    bool alone = true;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    {
        PlayContext context(painter, data, target);
        const HandlerTable& table = handlers();
        const QByteArrayView bytes(data.bytes);
        for (const Record& record : data.records) {
            const Handler handler = table.value(record.function, nullptr);
            if (handler)
                handler(context, RecordParams(bytes.sliced(record.paramStart, record.paramBytes)));
        }
        alone = !context.combinedWithDestination();
    }
    painter.restore();
    return alone;
}

} // namespace wmf
