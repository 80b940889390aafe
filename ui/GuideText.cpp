#include "ui/GuideText.h"

#include <QStringDecoder>

namespace pralomen::ui {
namespace {

std::optional<QString> DecodeStrictly(QStringDecoder decoder, const QByteArray& bytes) {
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString DecodeGuideText(const QByteArray& bytes) {
    if (auto bom = QStringConverter::encodingForData(bytes))
        return QStringDecoder(*bom).decode(bytes);
    if (auto utf8 = DecodeStrictly(QStringDecoder(QStringConverter::Utf8), bytes))
        return *utf8;
    if (auto ansi = DecodeStrictly(QStringDecoder("Shift_JIS"), bytes))
        return *ansi;
    return QString::fromLatin1(bytes);
}

} // namespace pralomen::ui
