#include "media/wmf/gdiobjects.h"

namespace wmf {

bool ObjectTable::add(GdiObject object) {
    // Every slot below m_firstFree is taken, so the search starts there.
    for (size_t i = m_firstFree; i < m_slots.size(); ++i) {
        if (std::holds_alternative<std::monostate>(m_slots[i])) {
            m_slots[i] = std::move(object);
            m_firstFree = i + 1;
            return true;
        }
    }
    if (m_slots.size() >= size_t(kMaxObjects))
        return false;
    m_slots.push_back(std::move(object));
    m_firstFree = m_slots.size();
    return true;
}

const GdiObject* ObjectTable::at(int index) const {
    if (index < 0 || size_t(index) >= m_slots.size())
        return nullptr;
    const GdiObject& slot = m_slots[size_t(index)];
    return std::holds_alternative<std::monostate>(slot) ? nullptr : &slot;
}

void ObjectTable::remove(int index) {
    if (index >= 0 && size_t(index) < m_slots.size()) {
        m_slots[size_t(index)] = std::monostate{};
        m_firstFree = std::min(m_firstFree, size_t(index));
    }
}

} // namespace wmf
