#pragma once
// Lenient conversions between text and numbers, delimiter-based string routines,
// whole-file text reading and writing, font style bits and the paper-size lookup.
// Positions are 1-based and lengths count UTF-16 code units, as QString does.
#include <QString>

// Empty: false. "YES", "TRUE", "ON" in any case: true. Otherwise true when the first
// character is an upper-case "Y" or "T", or when the text is a whole number other than 0.
bool StrToBoolean(const QString& S);
// "1" or "0".
QString BoolToDigit(bool B);
// General number format: at most 15 significant digits, no trailing zeros, scientific
// notation only for magnitudes below 0.00001 or with more than 15 integer digits; the
// decimal separator of the default locale. Empty for NaN and infinities.
QString FormatReal(double V);
// As FormatReal, with Separator as the decimal separator.
QString FormatRealWith(double V, QChar Separator);
// A whole number (optional sign) gives its value; anything else the floor of
// StrToFloatLenient; empty gives 0. Values beyond 32 bits saturate.
int StrToIntLenient(const QString& S);
// Collects the digits and the locale's decimal separators of S, reads them as a number
// (stopping at a second separator) and negates it when S holds "(", "-", "<" or a
// debit mark "DB"/"db". 0 when nothing can be read.
double StrToFloatLenient(const QString& S);
// StrToFloatLenient with Separator in place of the locale's decimal separator.
double StrToFloatLenientWith(const QString& S, QChar Separator);
// Digits with at most one full stop; the empty text counts as a plain number.
bool IsPlainNumber(const QString& S);

// Reads the token of S that starts at Pos up to the next Delim (consumed, not
// returned) and leaves Pos after the last character examined.
QString ExtractToken(const QString& S, int& Pos, QChar Delim);
// Position of the first SubStr in S that starts at Offset or later; 0 when none.
int PosFrom(const QString& SubStr, const QString& S, int Offset);
// 0 for an empty S, otherwise 1 plus the number of DelimChar characters.
int CountFields(const QString& S, QChar DelimChar);
// 0 for an empty S, otherwise 1 plus the number of non-overlapping Delim occurrences.
int CountFieldsStr(const QString& S, const QString& Delim);
// Fields Start .. Start + Count - 1 of S separated by Delim's first character,
// including the separators between them. Empty when S has fewer than Start fields.
QString ExtractFields(const QString& S, const QString& Delim, int Start, int Count);
// Count characters from Index (1-based), fewer when S ends first; empty past the end.
QString SafeCopy(const QString& S, int Index, int Count);
// The text after the last "."; the whole name when it has none.
QString ExtractExtension(const QString& FileName);

// Reads a whole text file; the encoding comes from a byte-order mark (UTF-8, UTF-16 LE
// or BE), without one the system's code page. False with the reason in ErrorText when
// the file cannot be read or decoded.
bool ReadTextFile(const QString& FileName, QString& Text, QString& ErrorText);
// The same text as UTF-8 bytes, without the byte-order mark (no conversion for the
// common case of a UTF-8 file).
bool ReadTextFileUtf8(const QString& FileName, QByteArray& Utf8, QString& ErrorText);
// Writes Text as UTF-8, with a byte-order mark when WithBOM. The text goes to a
// temporary file that replaces FileName only once everything was written, so a failed
// write leaves an existing file as it was. False on any error.
bool WriteTextFile(const QString& FileName, const QString& Text, bool WithBOM);
// The same for text that is already UTF-8.
bool WriteUtf8File(const QString& FileName, const QByteArray& Utf8, bool WithBOM);

bool StyleHasBold(int Style);
bool StyleHasItalic(int Style);
bool StyleHasUnderline(int Style);
void SetStyleBold(int& Style, bool On);
void SetStyleItalic(int& Style, bool On);
void SetStyleUnderline(int& Style, bool On);

// Width and height in whole millimetres for a paper name (exact, case-sensitive): the
// fixed table, or a custom "<width>X<height>" size. Parts that cannot be resolved leave
// the outputs as they were.
void LookupPaperSize(const QString& Name, int& Height, int& Width);
