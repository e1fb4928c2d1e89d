// Text crosses between the ANSI interface and Qt here and only here, as Latin-1, so that every
// byte value round-trips.
#pragma once

#include <QString>
#include <string>

namespace winport {
inline QString toQt(const char* text, int length = -1)
{
    return text ? QString::fromLatin1(text, length) : QString();
}
inline QString toQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
// Appends `length` bytes of text, without a QString of their own.
inline void appendQt(QString& out, const char* text, qsizetype length)
{
    out.append(QLatin1String(text, length));
}
inline std::string fromQt(const QString& text) { return text.toLatin1().toStdString(); }
}
