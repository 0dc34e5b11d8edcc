#include "pdfa_metadata.h"

#include <QByteArrayView>
#include <QDate>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTime>
#include <cctype>
#include <optional>

namespace velmora {
namespace {

// Room for the title, the author, Qt's version and the dates many times
// over; what is left stays white space, as XMP pads a packet.
constexpr qsizetype kPacketSize = 4096;
constexpr QByteArrayView kPacketBegin = "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n";
constexpr QByteArrayView kPacketEnd = "<?xpacket end='w'?>";
// Nesting deeper than any document information has.
constexpr int kDeepestObject = 16;

QByteArray Padding(qsizetype length) {
  QByteArray padding(length, ' ');
  // Lines of a hundred characters, as XMP's own writers pad.
  for (qsizetype at = 99; at < length; at += 100) padding[at] = '\n';
  return padding;
}

bool Fail(QString* failure, const QString& reason) {
  *failure = reason;
  return false;
}

// ---- The few PDF objects a trailer and the document information are made of.

struct PdfValue {
  enum class Kind { Text, Name, Reference, Other };
  Kind kind = Kind::Other;
  // A string's bytes, a name's characters.
  QByteArray bytes;
  // The object a reference points at.
  qint64 object = 0;
};
using PdfDictionary = QMap<QByteArray, PdfValue>;

bool IsWhite(char c) {
  return c == '\0' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool IsDelimiter(char c) {
  return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
         c == '}' || c == '/' || c == '%';
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// What a backslash before it stands for; \( \) \\ and any other character
// stand for themselves.
char Unescaped(char c) {
  switch (c) {
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    default:
      return c;
  }
}

void SkipWhite(QByteArrayView pdf, qsizetype& at) {
  while (at < pdf.size()) {
    if (pdf[at] == '%') {
      while (at < pdf.size() && pdf[at] != '\n' && pdf[at] != '\r') ++at;
    } else if (IsWhite(pdf[at])) {
      ++at;
    } else {
      return;
    }
  }
}

QByteArray RegularToken(QByteArrayView pdf, qsizetype& at) {
  const qsizetype start = at;
  while (at < pdf.size() && !IsWhite(pdf[at]) && !IsDelimiter(pdf[at])) ++at;
  return pdf.sliced(start, at - start).toByteArray();
}

std::optional<qint64> Integer(const QByteArray& token) {
  bool ok = false;
  const qint64 value = token.toLongLong(&ok);
  if (!ok || value < 0) return std::nullopt;
  return value;
}

std::optional<qint64> IntegerToken(QByteArrayView pdf, qsizetype& at) {
  SkipWhite(pdf, at);
  return Integer(RegularToken(pdf, at));
}

// "(...)", at its opening parenthesis: escapes resolved, an end of line
// without a backslash read as one line feed, as ISO 32000 reads them.
std::optional<QByteArray> LiteralString(QByteArrayView pdf, qsizetype& at) {
  QByteArray bytes;
  int open = 0;
  ++at;
  while (at < pdf.size()) {
    const char c = pdf[at++];
    if (c == ')' && open == 0) return bytes;
    if (c == '(') ++open;
    if (c == ')') --open;
    if (c == '\r') {
      if (at < pdf.size() && pdf[at] == '\n') ++at;
      bytes += '\n';
    } else if (c != '\\') {
      bytes += c;
    } else if (at < pdf.size()) {
      const char escaped = pdf[at++];
      if (IsOctal(escaped)) {
        int code = escaped - '0';
        for (int digits = 1; digits < 3 && at < pdf.size() && IsOctal(pdf[at]); ++digits) {
          code = code * 8 + (pdf[at++] - '0');
        }
        bytes += static_cast<char>(code & 0xff);
      } else if (escaped == '\r' || escaped == '\n') {
        // A line continued: the end of line is no part of the string.
        if (escaped == '\r' && at < pdf.size() && pdf[at] == '\n') ++at;
      } else {
        bytes += Unescaped(escaped);
      }
    }
  }
  return std::nullopt;
}

// "<FEFF0041>", at its "<": white space ignored, a last odd digit followed by 0.
std::optional<QByteArray> HexString(QByteArrayView pdf, qsizetype& at) {
  QByteArray digits;
  for (++at; at < pdf.size() && pdf[at] != '>'; ++at) {
    if (IsWhite(pdf[at])) continue;
    if (!IsHexDigit(pdf[at])) return std::nullopt;
    digits += pdf[at];
  }
  if (at >= pdf.size()) return std::nullopt;
  ++at;
  if (digits.size() % 2 != 0) digits += '0';
  return QByteArray::fromHex(digits);
}

// "/Name", at its "/": a #xx stands for the byte xx.
QByteArray Name(QByteArrayView pdf, qsizetype& at) {
  ++at;
  const QByteArray token = RegularToken(pdf, at);
  QByteArray name;
  for (qsizetype i = 0; i < token.size(); ++i) {
    if (token[i] == '#' && i + 2 < token.size() && IsHexDigit(token[i + 1]) &&
        IsHexDigit(token[i + 2])) {
      name += static_cast<char>(token.mid(i + 1, 2).toInt(nullptr, 16));
      i += 2;
    } else {
      name += token[i];
    }
  }
  return name;
}

std::optional<PdfDictionary> Dictionary(QByteArrayView pdf, qsizetype& at, int depth);

std::optional<PdfValue> Value(QByteArrayView pdf, qsizetype& at, int depth) {
  SkipWhite(pdf, at);
  if (at >= pdf.size() || depth > kDeepestObject) return std::nullopt;
  const char c = pdf[at];
  if (c == '(') {
    std::optional<QByteArray> text = LiteralString(pdf, at);
    if (!text) return std::nullopt;
    return PdfValue{PdfValue::Kind::Text, *text};
  }
  if (c == '<' && pdf.sliced(at).startsWith("<<")) {
    if (!Dictionary(pdf, at, depth + 1)) return std::nullopt;
    return PdfValue{};
  }
  if (c == '<') {
    std::optional<QByteArray> text = HexString(pdf, at);
    if (!text) return std::nullopt;
    return PdfValue{PdfValue::Kind::Text, *text};
  }
  if (c == '/') return PdfValue{PdfValue::Kind::Name, Name(pdf, at)};
  if (c == '[') {
    for (++at;;) {
      SkipWhite(pdf, at);
      if (at >= pdf.size()) return std::nullopt;
      if (pdf[at] == ']') {
        ++at;
        return PdfValue{};
      }
      if (!Value(pdf, at, depth + 1)) return std::nullopt;
    }
  }
  if (IsDelimiter(c)) return std::nullopt;
  const QByteArray token = RegularToken(pdf, at);
  // "12 0 R" points at object 12.
  if (const std::optional<qint64> object = Integer(token)) {
    qsizetype after = at;
    if (IntegerToken(pdf, after)) {
      SkipWhite(pdf, after);
      if (RegularToken(pdf, after) == "R") {
        at = after;
        return PdfValue{PdfValue::Kind::Reference, {}, *object};
      }
    }
  }
  return PdfValue{};
}

std::optional<PdfDictionary> Dictionary(QByteArrayView pdf, qsizetype& at, int depth) {
  SkipWhite(pdf, at);
  if (!pdf.sliced(at).startsWith("<<")) return std::nullopt;
  at += 2;
  PdfDictionary dictionary;
  for (;;) {
    SkipWhite(pdf, at);
    if (pdf.sliced(at).startsWith(">>")) {
      at += 2;
      return dictionary;
    }
    if (at >= pdf.size() || pdf[at] != '/') return std::nullopt;
    const QByteArray key = Name(pdf, at);
    std::optional<PdfValue> value = Value(pdf, at, depth);
    if (!value) return std::nullopt;
    dictionary.insert(key, *value);
  }
}

// The document information, found as a reader finds it: through the
// cross-reference table that startxref points at, and the trailer after it.
std::optional<PdfDictionary> DocumentInformation(QByteArrayView pdf) {
  const qsizetype startxref = pdf.lastIndexOf(QByteArrayView("startxref"));
  if (startxref < 0) return std::nullopt;
  qsizetype at = startxref + 9;
  const std::optional<qint64> table = IntegerToken(pdf, at);
  if (!table || *table >= pdf.size()) return std::nullopt;
  at = *table;
  if (RegularToken(pdf, at) != "xref") return std::nullopt;
  QMap<qint64, qint64> offsets;
  for (;;) {
    SkipWhite(pdf, at);
    const qsizetype section = at;
    if (RegularToken(pdf, at) == "trailer") break;
    at = section;
    const std::optional<qint64> first = IntegerToken(pdf, at);
    const std::optional<qint64> count = IntegerToken(pdf, at);
    if (!first || !count || *count > pdf.size() / 18) return std::nullopt;
    for (qint64 entry = 0; entry < *count; ++entry) {
      const std::optional<qint64> offset = IntegerToken(pdf, at);
      const std::optional<qint64> generation = IntegerToken(pdf, at);
      SkipWhite(pdf, at);
      const QByteArray kind = RegularToken(pdf, at);
      if (!offset || !generation || (kind != "n" && kind != "f")) return std::nullopt;
      if (kind == "n") offsets.insert(*first + entry, *offset);
    }
  }
  const std::optional<PdfDictionary> trailer = Dictionary(pdf, at, 0);
  if (!trailer) return std::nullopt;
  const PdfValue info = trailer->value("Info");
  if (info.kind != PdfValue::Kind::Reference || !offsets.contains(info.object)) {
    return std::nullopt;
  }
  at = offsets.value(info.object);
  if (at >= pdf.size() || IntegerToken(pdf, at) != info.object || !IntegerToken(pdf, at)) {
    return std::nullopt;
  }
  SkipWhite(pdf, at);
  if (RegularToken(pdf, at) != "obj") return std::nullopt;
  return Dictionary(pdf, at, 0);
}

// ---- From the document information's values to XMP's.

std::optional<QString> Decoded(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
  // The marker has been taken off; a second one is text.
  QStringDecoder decoder(encoding,
                         QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

// A PDF text string: UTF-16 after its byte order mark, UTF-8 after its
// own, otherwise PDFDocEncoding, which is ASCII where ASCII prints; Qt
// writes nothing else, so anything else is refused rather than guessed.
std::optional<QString> TextString(const QByteArray& bytes) {
  if (bytes.startsWith("\xfe\xff")) return Decoded(QStringDecoder::Utf16BE, bytes.sliced(2));
  if (bytes.startsWith("\xef\xbb\xbf")) return Decoded(QStringDecoder::Utf8, bytes.sliced(3));
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code > 0x7e || (code < 0x20 && c != '\t' && c != '\n' && c != '\r')) return std::nullopt;
  }
  return QString::fromLatin1(bytes);
}

// What XML can carry: no control characters but tab and the two ends of
// line, no half of a surrogate pair, no U+FFFE or U+FFFF.
bool XmlCanCarry(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (QChar::isSurrogate(c) || c == 0xfffe || c == 0xffff ||
               (c < 0x20 && c != '\t' && c != '\n' && c != '\r')) {
      return false;
    }
  }
  return true;
}

// For an element's text and an attribute's value alike: a reader keeps a
// character reference where it would turn a tab or an end of line into
// something else.
QString XmlEscaped(const QString& text) {
  return text.toHtmlEscaped()
      .replace(u'\t', QStringLiteral("&#9;"))
      .replace(u'\n', QStringLiteral("&#10;"))
      .replace(u'\r', QStringLiteral("&#13;"));
}

// "D:20261209143005+03'00'" as XMP writes it, "2026-12-09T14:30:05+03:00";
// whatever the date leaves out stays out.
std::optional<QString> XmpDate(const QString& date) {
  static const QRegularExpression kDate(
      QStringLiteral("^(?:D:)?(\\d{4})(\\d{2})?(\\d{2})?(\\d{2})?(\\d{2})?(\\d{2})?"
                     "(?:(Z)(?:00'?(?:00'?)?)?|([+-])(\\d{2})'?(?:(\\d{2})'?)?)?$"));
  const QRegularExpressionMatch match = kDate.match(date);
  if (!match.hasMatch()) return std::nullopt;
  const auto part = [&](int group, int otherwise) {
    return match.hasCaptured(group) ? match.captured(group).toInt() : otherwise;
  };
  if (!QDate(part(1, 0), part(2, 1), part(3, 1)).isValid() ||
      !QTime(part(4, 0), part(5, 0), part(6, 0)).isValid() || part(9, 0) > 23 || part(10, 0) > 59) {
    return std::nullopt;
  }
  QString xmp = match.captured(1);
  if (match.hasCaptured(2)) xmp += u'-' + match.captured(2);
  if (match.hasCaptured(3)) xmp += u'-' + match.captured(3);
  if (!match.hasCaptured(4)) return xmp;
  xmp += u'T' + match.captured(4) + u':' +
         (match.hasCaptured(5) ? match.captured(5) : QStringLiteral("00"));
  if (match.hasCaptured(6)) xmp += u':' + match.captured(6);
  if (match.hasCaptured(7)) return xmp + u'Z';
  if (match.hasCaptured(8)) {
    xmp += match.captured(8) + match.captured(9) + u':' +
           (match.hasCaptured(10) ? match.captured(10) : QStringLiteral("00"));
  }
  return xmp;
}

// The entries of the document information that PDF/A pairs with XMP
// properties, each read as the text it holds. /Trapped and any other
// entry has no counterpart there and is left alone.
std::optional<QMap<QByteArray, QString>> PairedEntries(const PdfDictionary& information) {
  QMap<QByteArray, QString> entries;
  for (const char* key : {"Title", "Author", "Subject", "Keywords", "Creator", "Producer",
                          "CreationDate", "ModDate"}) {
    if (!information.contains(key)) continue;
    const PdfValue& value = information.value(key);
    if (value.kind != PdfValue::Kind::Text) return std::nullopt;
    std::optional<QString> text = TextString(value.bytes);
    if (!text || !XmlCanCarry(*text)) return std::nullopt;
    entries.insert(key, *text);
  }
  for (const char* key : {"CreationDate", "ModDate"}) {
    if (!entries.contains(key)) continue;
    std::optional<QString> date = XmpDate(entries.value(key));
    if (!date) return std::nullopt;
    entries.insert(key, *date);
  }
  return entries;
}

QString Attribute(const char* name, const QString& value) {
  return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), XmlEscaped(value));
}

QString LanguageAlternative(const char* name, const QString& text) {
  return QStringLiteral(
             "      <%1><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></%1>\n")
      .arg(QLatin1String(name), XmlEscaped(text));
}

// The packet, without its padding, saying what the entries say.
QByteArray XmpPacket(const QMap<QByteArray, QString>& entries, const QString& author) {
  QString dc;
  if (entries.contains("Title")) dc += LanguageAlternative("dc:title", entries.value("Title"));
  // The information's author where Qt writes one, else the one given.
  const QString creator = entries.value("Author", author);
  if (entries.contains("Author") || !creator.isEmpty()) {
    dc += QStringLiteral("      <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
              .arg(XmlEscaped(creator));
  }
  if (entries.contains("Subject")) {
    dc += LanguageAlternative("dc:description", entries.value("Subject"));
  }
  QString xmp;
  if (entries.contains("Creator")) xmp += Attribute("xmp:CreatorTool", entries.value("Creator"));
  if (entries.contains("CreationDate")) {
    xmp += Attribute("xmp:CreateDate", entries.value("CreationDate"));
  }
  // A file Qt has written once was last changed when it was made.
  const QString modified = entries.value("ModDate", entries.value("CreationDate"));
  if (!modified.isEmpty()) xmp += Attribute("xmp:ModifyDate", modified);
  QString pdf;
  if (entries.contains("Producer")) pdf += Attribute("pdf:Producer", entries.value("Producer"));
  if (entries.contains("Keywords")) pdf += Attribute("pdf:Keywords", entries.value("Keywords"));
  return kPacketBegin.toByteArray() +
         QStringLiteral(
             "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
             "  <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
             "    <rdf:Description xmlns:dc=\"http://purl.org/dc/elements/1.1/\" rdf:about=\"\">\n"
             "%1"
             "    </rdf:Description>\n"
             "    <rdf:Description xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" rdf:about=\"\"%2/>\n"
             "    <rdf:Description xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" rdf:about=\"\"%3/>\n"
             "    <rdf:Description xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" rdf:about=\"\" "
             "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
             "  </rdf:RDF>\n"
             "</x:xmpmeta>\n")
             .arg(dc, xmp, pdf)
             .toUtf8();
}

}  // namespace

QByteArray ReservedXmpPacket() {
  return kPacketBegin.toByteArray() +
         Padding(kPacketSize - kPacketBegin.size() - kPacketEnd.size()) + kPacketEnd.toByteArray();
}

bool CompleteXmpPacket(QByteArray& pdf, const QString& author, QString* failure) {
  const QByteArray reserved = ReservedXmpPacket();
  const qsizetype at = pdf.indexOf(reserved);
  const std::optional<PdfDictionary> information = DocumentInformation(pdf);
  if (at < 0 || pdf.indexOf(reserved, at + 1) >= 0 || !information) {
    return Fail(failure, QStringLiteral("Qt'nin yazdığı PDF beklenen biçimde değil; PDF/A üst "
                                        "verisi tamamlanamadı."));
  }
  const std::optional<QMap<QByteArray, QString>> entries = PairedEntries(*information);
  const QByteArray packet = entries ? XmpPacket(*entries, author) : QByteArray();
  if (!entries || !XmlCanCarry(author) || packet.size() > reserved.size() - kPacketEnd.size()) {
    return Fail(failure, QStringLiteral("PDF'in belge bilgisi XMP üst verisine aktarılamadı."));
  }
  pdf.replace(at, reserved.size(),
              packet + Padding(reserved.size() - packet.size() - kPacketEnd.size()) +
                  kPacketEnd.toByteArray());
  return true;
}

}  // namespace velmora
