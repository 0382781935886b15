#include "common/DisplayText.h"

QString displayDecode(const char* bytes, size_t length) {
    if (bytes == nullptr || length == 0)
        return {};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    QString text(qsizetype(length), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype written = 0;
    size_t i = 0;
    while (i < length) {
        const unsigned char lead = data[i];
        char32_t code;
        if (lead < 0x80) {
            code = lead;
            i += 1;
        } else if ((lead & 0x20) == 0) {
            if (i + 1 >= length || (data[i + 1] & 0xC0) != 0x80)
                return {};
            code = (char32_t(lead & 0x1F) << 6) | (data[i + 1] & 0x3F);
            i += 2;
        } else {
            if (i + 2 >= length || (data[i + 1] & 0xC0) != 0x80 || (data[i + 2] & 0xC0) != 0x80)
                return {};
            code = (char32_t(lead & 0x0F) << 12) | (char32_t(data[i + 1] & 0x3F) << 6) |
                   (data[i + 2] & 0x3F);
            i += 3;
        }
        // A lone surrogate has no character of its own.
        if (code >= 0xD800 && code <= 0xDFFF)
            code = u'?';
        out[written++] = char16_t(code);
    }
    text.truncate(written);
    return text;
}

QString trimControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString upperLatin(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

QString lowerLatin(QString text) {
    for (QChar& c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return text;
}
