#include "media/wmf/textdecoder.h"

#include <QStringDecoder>

namespace wmf {

namespace {

constexpr int kDefaultCharset = 1, kSymbolCharset = 2;

struct Charset {
    int id;
    const char* codec;
};

constexpr Charset kCharsets[] = {
    {0, "windows-1252"},   {1, "windows-1252"},   {77, "macintosh"},     {128, "Shift_JIS"},
    {129, "windows-949"},  {130, "windows-1361"}, {134, "GBK"},          {136, "Big5"},
    {161, "windows-1253"}, {162, "windows-1254"}, {163, "windows-1258"}, {177, "windows-1255"},
    {178, "windows-1256"}, {186, "windows-1257"}, {204, "windows-1251"}, {222, "windows-874"},
    {238, "windows-1250"}, {255, "IBM437"},
};

// The Symbol font's characters from 0x20 to 0xFF.
constexpr char16_t kSymbol[224] = {
    u' ', u'!',  u'∀', u'#', u'∃', u'%', u'&', u'∋', u'(', u')', u'∗', u'+', u',', u'−', u'.', u'/',
    u'0', u'1',  u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u':', u';', u'<', u'=', u'>', u'?',
    u'≅', u'Α',  u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο',
    u'Π', u'Θ',  u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ', u'[', u'∴', u']', u'⊥', u'_',
    u'‾', u'α',  u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο',
    u'π', u'θ',  u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ', u'{', u'|', u'}', u'∼', u' ',
    u' ', u' ',  u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ',
    u' ', u' ',  u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ', u' ',
    u'€', u'ϒ',  u'′', u'≤', u'⁄', u'∞', u'ƒ', u'♣', u'♦', u'♥', u'♠', u'↔', u'←', u'↑', u'→', u'↓',
    u'°', u'±',  u'″', u'≥', u'×', u'∝', u'∂', u'•', u'÷', u'≠', u'≡', u'≈', u'…', u'⏐', u'⎯', u'↵',
    u'ℵ', u'ℑ',  u'ℜ', u'℘', u'⊗', u'⊕', u'∅', u'∩', u'∪', u'⊃', u'⊇', u'⊄', u'⊂', u'⊆', u'∈', u'∉',
    u'∠', u'∇',  u'®', u'©', u'™', u'∏', u'√', u'⋅', u'¬', u'∧', u'∨', u'⇔', u'⇐', u'⇑', u'⇒', u'⇓',
    u'◊', u'〈', u'®', u'©', u'™', u'∑', u'⎛', u'⎜', u'⎝', u'⎡', u'⎢', u'⎣', u'⎧', u'⎨', u'⎩', u'⎪',
    u' ', u'〉', u'∫', u'⌠', u'⎮', u'⌡', u'⎞', u'⎟', u'⎠', u'⎤', u'⎥', u'⎦', u'⎫', u'⎬', u'⎭', u' ',
};

QString decodeSymbol(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const quint8 b = quint8(byte);
        text.append(b >= 0x20 ? QChar(kSymbol[b - 0x20]) : QChar(b));
    }
    return text;
}

const char* codecFor(int charset) {
    for (const Charset& c : kCharsets) {
        if (c.id == charset)
            return c.codec;
    }
    return "windows-1252";
}

// DEFAULT_CHARSET asks for the font's own character set, which for Symbol is the symbol
// set: equation editors write Symbol that way.
bool isSymbolSet(int charset, const QString& face) {
    return charset == kSymbolCharset ||
           (charset == kDefaultCharset &&
            face.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0);
}

} // namespace

bool TextDecoder::isSingleByte(int charset) {
    return charset != 128 && charset != 129 && charset != 130 && charset != 134 && charset != 136;
}

// Picture fonts (Wingdings and the like) have no Unicode equivalents here; their bytes
// are shown as Latin-1 rather than dropped. Other symbol-set fonts follow Symbol's layout.
QString TextDecoder::decode(QByteArrayView bytes, int charset, const QString& face) {
    if (isSymbolSet(charset, face)) {
        if (face.contains(QLatin1String("dings"), Qt::CaseInsensitive) ||
            face.compare(QLatin1String("Marlett"), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(bytes);
        return decodeSymbol(bytes);
    }
    QStringDecoder decoder(codecFor(charset));
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace wmf
