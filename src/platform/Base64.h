#pragma once
// Base64 (standard alphabet, "=" padding, no line breaks) for pictures inside layouts.
// Decoding is strict and fast: pictures are the bulk of a layout file.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The base64 text of Data.
QByteArray Base64Encode(QByteArrayView Data);
// Decodes Text into Out; false with a reason in Error when Text is not base64 (a
// character outside the alphabet, a bad length or misplaced padding).
bool Base64Decode(QByteArrayView Text, QByteArray& Out, QString& Error);
