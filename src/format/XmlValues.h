#pragma once
// Value encodings of layout XML: integers ("-1" when unreadable), Booleans ("-1"/"0"
// written; numbers, "True", "False" read), reals (a full stop written, either a full
// stop or a comma read, 0 when unreadable), and the report of problems met while reading.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <stdexcept>

class TXmlElement;

// A decimal integer (optional sign, surrounding blanks allowed); -1 when the text is not
// an integer or does not fit 32 bits.
int XmlInt(QByteArrayView Text);
// True for a non-zero number or "True" in any case; false otherwise.
bool XmlBool(QByteArrayView Text);
// A decimal number with a full stop or a comma as separator; 0 when unreadable.
double XmlReal(const QString& Text);
inline const char* XmlBoolText(bool B) { return B ? "-1" : "0"; }
// A real written with a full stop, whatever the locale.
QString XmlRealText(double V);

// A structural error that ends the reading of a layout or a clipboard text.
class EDesignReadError : public std::runtime_error {
public:
  explicit EDesignReadError(const QString& Message)
    : std::runtime_error(Message.toStdString()), FMessage(Message) {}
  QString Message() const { return FMessage; }

private:
  QString FMessage;
};

// Collects what could not be read without ending the reading (a picture that cannot be
// decoded): while a scope is alive, readers add their warnings to it.
class TReadReport {
public:
  TReadReport();
  ~TReadReport();
  TReadReport(const TReadReport&) = delete;
  TReadReport& operator=(const TReadReport&) = delete;
  QStringList Warnings;
  // The innermost report alive, or null.
  static TReadReport* Current();
  static void Warn(const QString& Message);

private:
  TReadReport* FOuter;
};
