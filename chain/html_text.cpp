#include "chain/html_text.h"

#include <algorithm>
#include <optional>

#include "settings/legacy_text.h"

namespace vantiro {
namespace {

// The named references of HTML 4 and "&apos;", as runs of names of
// consecutive code points; "-" holds the place of one without a name.
struct NameRun {
  char32_t first;
  std::string_view names;
};
constexpr NameRun kNames[] = {
    {34, "quot"},
    {38, "amp apos"},
    {60, "lt - gt"},
    {160,
     "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn "
     "sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave "
     "Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc "
     "Iuml "
     "ETH Ntilde Ograve Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute "
     "THORN "
     "szlig agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave "
     "iacute icirc iuml eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute "
     "ucirc uuml yacute thorn yuml"},
    {338, "OElig oelig"},
    {352, "Scaron scaron"},
    {376, "Yuml"},
    {402, "fnof"},
    {710, "circ"},
    {732, "tilde"},
    {913,
     "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron Pi Rho - "
     "Sigma Tau Upsilon Phi Chi Psi Omega"},
    {945,
     "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi rho "
     "sigmaf sigma tau upsilon phi chi psi omega"},
    {977, "thetasym upsih"},
    {982, "piv"},
    {8194, "ensp emsp"},
    {8201, "thinsp"},
    {8204, "zwnj zwj lrm rlm"},
    {8211, "ndash mdash"},
    {8216, "lsquo rsquo sbquo"},
    {8220, "ldquo rdquo bdquo"},
    {8224, "dagger Dagger bull"},
    {8230, "hellip"},
    {8240, "permil"},
    {8242, "prime Prime"},
    {8249, "lsaquo rsaquo"},
    {8254, "oline"},
    {8260, "frasl"},
    {8364, "euro"},
    {8465, "image"},
    {8472, "weierp"},
    {8476, "real"},
    {8482, "trade"},
    {8501, "alefsym"},
    {8592, "larr uarr rarr darr harr"},
    {8629, "crarr"},
    {8656, "lArr uArr rArr dArr hArr"},
    {8704, "forall - part exist - empty - nabla isin notin - ni"},
    {8719, "prod - sum minus"},
    {8727, "lowast"},
    {8730, "radic"},
    {8733, "prop infin - ang"},
    {8743, "and or cap cup int"},
    {8756, "there4"},
    {8764, "sim"},
    {8773, "cong"},
    {8776, "asymp"},
    {8800, "ne equiv"},
    {8804, "le ge"},
    {8834, "sub sup nsub - sube supe"},
    {8853, "oplus - otimes"},
    {8869, "perp"},
    {8901, "sdot"},
    {8968, "lceil rceil lfloor rfloor"},
    {9674, "loz"},
    {9824, "spades - - clubs - hearts diams"},
    {10216, "lang rang"}};

struct Reference {
  std::string text;
  std::size_t length;   // of the reference
  bool legacy = false;  // a name that needs no ";"
};

// The longest name that begins text.
std::optional<Reference> Named(std::string_view text) {
  std::optional<Reference> longest;
  for (const NameRun& run : kNames) {
    char32_t c = run.first;
    for (std::size_t start = 0; start < run.names.size(); ++c) {
      const std::size_t end = std::min(run.names.find(' ', start), run.names.size());
      const std::string_view name = run.names.substr(start, end - start);
      if (name != "-" && text.starts_with(name) && (!longest || name.size() > longest->length))
        longest = Reference{Utf8Of(c), name.size(), c < 256 && c != U'\''};
      start = end + 1;
    }
  }
  return longest;
}

// After "&#": digits, or "x" and hexadecimal ones. As a browser reads them,
// no code point is U+FFFD and 128 to 159 are Windows-1252's.
std::optional<Reference> Numbered(std::string_view text) {
  const bool hex = !text.empty() && (text[0] == 'x' || text[0] == 'X');
  const std::string_view digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
  std::size_t at = hex ? 1 : 0;
  char32_t value = 0;
  for (; at < text.size() && digits.find(text[at]) != std::string_view::npos; ++at) {
    const auto digit = static_cast<char32_t>(
        std::string_view("0123456789abcdef")
            .find(static_cast<char>(text[at] | (text[at] >= 'A' ? 0x20 : 0))));
    value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
  }
  if (at == (hex ? 1u : 0u)) return std::nullopt;
  if (at < text.size() && text[at] == ';') ++at;
  if (value >= 0x80 && value <= 0x9F)
    return Reference{FromWindows1252(std::string(1, static_cast<char>(value))), at};
  const bool invalid = value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF);
  return Reference{Utf8Of(invalid ? U'\uFFFD' : value), at};
}

// At an "&": what it stands for. A name needs its ";" but for the Latin-1
// ones (and quot, amp, lt and gt), as browsers keep old pages working.
Reference Decoded(std::string_view text) {
  if (text.starts_with("&#")) {
    if (auto numbered = Numbered(text.substr(2))) return {numbered->text, numbered->length + 2};
  } else if (auto named = Named(text.substr(1))) {
    const bool closed = text.size() > named->length + 1 && text[named->length + 1] == ';';
    if (closed || named->legacy) return {named->text, named->length + 1 + (closed ? 1 : 0)};
  }
  return {"&", 1};
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

}  // namespace

std::string HtmlText(std::string_view text) {
  std::string out;
  bool spaced = false;  // a space is owed before the next character
  const auto put = [&](std::string_view piece) {
    if (piece.size() == 1 && IsSpace(piece[0])) {
      spaced = true;
    } else if (piece.size() > 1 || static_cast<unsigned char>(piece[0]) >= 32) {
      if (spaced && !out.empty()) out += ' ';
      spaced = false;
      out += piece;
    }
  };
  while (!text.empty()) {
    const Reference piece = text[0] == '&' ? Decoded(text) : Reference{std::string(1, text[0]), 1};
    put(piece.text);
    text.remove_prefix(piece.length);
  }
  return out;
}

}  // namespace vantiro
