#include "model/Cp932System.h"

#include <QStringDecoder>
#include <QStringEncoder>

// On Linux Qt converts code page 932 through ICU.
namespace rw::cp932system {

QString Problem() {
    QStringEncoder encoder("CP932");
    QStringDecoder decoder("CP932");
    if (!encoder.isValid() || !decoder.isValid())
        return QStringLiteral("この環境のQtにはShift_JIS（コードページ932）の変換がありません。");
    return {};
}

QByteArray Encode(QStringView character) {
    QStringEncoder encoder("CP932");
    QByteArray bytes = encoder.encode(character);
    if (encoder.hasError())
        return {};
    return bytes;
}

QString Decode(QByteArrayView bytes) {
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

} // namespace rw::cp932system
