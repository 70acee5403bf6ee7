// Paraphrased echoes between two texts.
//
// Both checks compare stems, not words: Czech and Slovak inflect the end of a word, so a word's
// first letters, with its ending cut and its diacritics folded, stand for all its forms.
//
// Thresholds, tuned on the editors' examples of echoes between the texts of one date and read
// against every finding over all the pairs of texts that one date reaches:
// - A list is three or more items of at most three content words each, between commas or the
//   conjunctions that close a list. Two lists echo when three of their items share a stem pairwise:
//   three is where a catalogue begins; one or two items in common happen between any two texts on
//   the same subject.
// - Two sentences echo when they share at least three content stems and those make at least half
//   of the shorter sentence's stems. At two, or below half, sentences on the same subject (love,
//   health, work) meet on their subject's words alone ("partner", "zdraví"); at four, short
//   paraphrases such as "Jako milenec je vášnivý a romantický" / "Jako milenec je Losos vášnivý,
//   romantický i štědrý" slip through. Stems of five letters: at six, "herec" and "herce" or
//   "podniku" and "podnicích" part.

#include "tests/repetition/echoes.h"

#include <algorithm>
#include <functional>

#include "engine/codepage.h"

namespace kalmira::echoes {

namespace {

constexpr std::size_t stemLength = 5;
constexpr std::size_t minSharedStems = 3;
constexpr double minSharedShare = 0.5;
constexpr std::size_t minSharedItems = 3;
constexpr std::size_t maxItemWords = 3;

char32_t lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  return c;
}

bool isWordChar(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
         (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7);
}

// Lower-case letters with diacritics and the letters they fold to.
constexpr std::u32string_view accented = U"áäčďéěíĺľňóôŕřšťúůýž";
constexpr std::string_view folded = "aacdeeillnoorrstuuyz";

std::string fold(std::string_view word) {
  std::string out;
  for (char byte : word) {
    const char32_t c = cp1250ToUnicode(byte);
    const std::size_t at = accented.find(c);
    out += at == std::u32string_view::npos ? byte : folded[at];
  }
  return out;
}

// Endings of Czech and Slovak declension and conjugation, folded, longest first.
constexpr std::string_view endings[] = {
    "ovymi", "ejsi", "ovou", "ovym", "ovych", "ovi", "ove", "ych", "ymi", "ich", "imi", "ami",
    "emi",   "ach",  "ech",  "ete",  "ite",   "eho", "emu", "iho", "imu", "ova", "ovy", "ima",
    "ama",   "ouc",  "ym",   "im",   "em",    "om",  "ou",  "um",  "ho",  "mu",  "ej",  "ii",
    "ie",    "ia",   "iu",   "at",   "it",    "et",  "a",   "e",   "i",   "o",   "u",   "y",
};

// Words that carry no substance: pronouns, prepositions, conjunctions, particles, the commonest
// verbs and adverbs (Czech and Slovak, folded), and the subject formulas every system uses.
const std::set<std::string, std::less<>>& stopWords() {
  static const std::set<std::string, std::less<>> words = {
      "aby",      "ach",      "aj",       "ako",      "ale",     "alebo",    "ani",      "asi",
      "az",       "bez",      "bude",     "budou",    "by",      "byl",      "byla",     "byli",
      "bylo",     "byt",      "byva",     "byvaji",   "byvaju",  "ci",       "clovek",   "cloveka",
      "co",       "coz",      "dalsi",    "dost",     "hlavne",  "ich",      "im",       "jak",
      "jake",     "jako",     "jaky",     "je",       "jeho",    "jej",      "jeji",     "jejich",
      "jemu",     "jen",      "jenz",     "jeste",    "jez",     "ji",       "jim",      "jiz",
      "jsou",     "kazdy",    "kde",      "kdo",      "kdy",     "kdyz",     "ked",      "ktera",
      "ktere",    "kteri",    "kterou",   "ktery",    "kterym",  "kterych",  "ktora",    "ktore",
      "ktory",    "len",      "lide",     "lidi",     "lidem",   "lidmi",    "ludia",    "ma",
      "maji",     "maju",     "mezi",     "miva",     "mivaji",  "mnohem",   "moc",      "mohou",
      "moze",     "muze",     "nad",      "nebo",     "nej",     "nejen",    "neni",     "nez",
      "nic",      "nich",     "nim",      "nimi",     "nikdy",   "niekedy",  "obvykle",  "ona",
      "oni",      "ono",      "pak",      "podle",    "pokud",   "potom",    "pre",      "pred",
      "pri",      "pro",      "proto",    "protoze",  "prave",   "rad",      "rada",     "radi",
      "rady",     "sam",      "sama",     "sami",     "same",    "samo",     "sebe",     "sice",
      "spis",     "su",       "sve",      "sveho",    "svemu",   "svou",     "svuj",     "svych",
      "svym",     "svymi",    "tak",      "take",     "takze",   "tam",      "te",       "tedy",
      "ten",      "tiez",     "tim",      "to",       "toho",    "tom",      "tomu",     "tu",
      "ty",       "uz",       "vsak",     "vse",      "vsech",   "vsechno",  "vsude",    "vzdy",
      "zase",     "zda",      "ze",       "zo",       "casto",   "velmi",    "vice",     "mene",
      "tez",      "take",     "narozeni", "narozene", "narodil", "narodila", "narodili", "zrozenci",
      "zrozence", "zrozenec",
  };
  return words;
}

bool isConjunction(std::string_view lowerWord) {
  return lowerWord == "a" || lowerWord == "i" || lowerWord == "nebo" || lowerWord == "\xe8i" ||
         lowerWord == "aj" || lowerWord == "alebo";
}

bool isSentenceEnd(char byte) {
  return byte == '.' || byte == '!' || byte == '?' || byte == '\x85' || byte == '\n';
}

// Where a list cannot run on: a semicolon, a colon, a dash, a bracket.
bool isHardBreak(char byte) {
  return byte == ';' || byte == ':' || byte == '(' || byte == ')' || byte == '\x96' || byte == '\x97';
}

struct Word {
  std::size_t begin, end;  // in the text
  std::string lower;       // diacritics kept
  std::string stem;        // empty for a word without substance
};

// Items of a list, between commas and conjunctions; `breakBefore` when a list cannot reach back
// across what stands before the item, `clause` when the segment opens a clause of its own ("ale
// potřebuje jistotu", "který...").
struct Segment {
  std::size_t begin = 0, end = 0;
  std::size_t words = 0;
  std::vector<const Word*> content;
  bool breakBefore = false;
  bool clause = false;
};

bool opensClause(std::string_view lowerWord) {
  static const std::set<std::string, std::less<>> openers = {
      "ale",  "avsak", "vsak",  "protoze", "nebot", "proto", "takze", "zato",   "kdyz",    "kde", "aby",
      "ze",   "jenz",  "jez",   "ktery",   "ktera", "ktere", "kteri", "co",     "jak",     "ked", "pretoze",
      "lebo", "ktory", "ktora", "ktore",   "ako",   "tak",   "pokud", "jestli", "jakmile", "az",
  };
  return openers.count(lowerWord) > 0;
}

void addLists(std::string_view text, const std::vector<Word>& words, std::vector<List>& lists) {
  std::vector<Segment> segments;
  Segment current;
  bool hardBreak = false;
  const auto close = [&] {
    if (current.words > 0) segments.push_back(current);
    current = Segment{};
    current.breakBefore = hardBreak;
    hardBreak = false;
  };
  for (std::size_t w = 0; w < words.size(); ++w) {
    if (w > 0) {
      for (std::size_t at = words[w - 1].end; at < words[w].begin; ++at) {
        if (text[at] == ',') close();
        if (isHardBreak(text[at])) {
          hardBreak = true;
          close();
        }
      }
    }
    if (isConjunction(words[w].lower)) {
      close();
      continue;
    }
    if (current.words++ == 0) {
      current.begin = words[w].begin;
      current.clause = opensClause(fold(words[w].lower));
    }
    current.end = words[w].end;
    if (!words[w].stem.empty()) current.content.push_back(&words[w]);
  }
  close();
  const auto isItem = [](const Segment& s) {
    return !s.clause && !s.content.empty() && s.content.size() <= maxItemWords && s.words <= maxItemWords + 1;
  };
  for (std::size_t first = 0; first < segments.size(); ++first) {
    if (!isItem(segments[first])) continue;
    std::size_t last = first + 1;
    while (last < segments.size() && isItem(segments[last]) && !segments[last].breakBefore) ++last;
    List list;
    std::size_t begin = segments[first].begin;
    // A longer clause lends the list its last word: "jsou lidé doby růstu něžní, smyslní a věrní".
    if (first > 0 && !segments[first].breakBefore && !segments[first - 1].content.empty()) {
      list.items.push_back({segments[first - 1].content.back()->stem});
      begin = segments[first - 1].begin;
    }
    for (std::size_t s = first; s < last; ++s) {
      list.items.emplace_back();
      for (const Word* w : segments[s].content) list.items.back().insert(w->stem);
    }
    if (list.items.size() >= minSharedItems) {
      list.span = text.substr(begin, segments[last - 1].end - begin);
      lists.push_back(std::move(list));
    }
    first = last - 1;
  }
}

bool meet(const std::set<std::string>& a, const std::set<std::string>& b) {
  for (const std::string& s : a)
    if (b.count(s)) return true;
  return false;
}

// How many items of `a` can be paired with distinct items of `b` that share a stem with them.
std::size_t matchedItems(const List& a, const List& b) {
  std::vector<int> partner(b.items.size(), -1);
  std::size_t matched = 0;
  for (std::size_t i = 0; i < a.items.size(); ++i) {
    std::vector<bool> tried(b.items.size(), false);
    const std::function<bool(std::size_t)> pair = [&](std::size_t item) {
      for (std::size_t j = 0; j < b.items.size(); ++j) {
        if (tried[j] || !meet(a.items[item], b.items[j])) continue;
        tried[j] = true;
        if (partner[j] < 0 || pair(static_cast<std::size_t>(partner[j]))) {
          partner[j] = static_cast<int>(item);
          return true;
        }
      }
      return false;
    };
    if (pair(i)) ++matched;
  }
  return matched;
}

bool sameSubstance(const Sentence& a, const Sentence& b) {
  std::size_t shared = 0;
  for (const std::string& s : a.stems) shared += b.stems.count(s);
  const std::size_t shorter = std::min(a.stems.size(), b.stems.size());
  return shared >= minSharedStems && shared >= minSharedShare * static_cast<double>(shorter);
}

}  // namespace

char lowerLetter(char byte) {
  const char32_t c = cp1250ToUnicode(byte);
  if (!isWordChar(c)) return 0;
  return static_cast<char>(unicodeToCp1250(lower(c)));
}

std::string stem(std::string_view word) {
  std::string lowered;
  for (char byte : word) lowered += lowerLetter(byte);
  std::string out = fold(lowered);
  for (std::string_view ending : endings) {
    if (out.size() >= ending.size() + 3 && out.ends_with(ending)) {
      out.resize(out.size() - ending.size());
      break;
    }
  }
  // The mobile e of "herec" and "herce", "stehen" and "stehna", "jater" and "játra".
  const auto consonant = [](char c) { return std::string_view("aeiouy").find(c) == std::string_view::npos; };
  const std::size_t n = out.size();
  if (n >= 4 && out[n - 2] == 'e' && consonant(out[n - 1]) && consonant(out[n - 3])) out.erase(n - 2, 1);
  if (out.size() > stemLength) out.resize(stemLength);
  return out;
}

Prose analyse(std::string_view text, const std::set<std::string>& ignored) {
  Prose prose;
  std::vector<Word> words;
  std::size_t sentenceBegin = 0;
  const auto endSentence = [&](std::size_t end) {
    if (!words.empty()) {
      Sentence sentence{text.substr(sentenceBegin, end - sentenceBegin), {}};
      for (const Word& w : words)
        if (!w.stem.empty()) sentence.stems.insert(w.stem);
      prose.sentences.push_back(std::move(sentence));
      addLists(text, words, prose.lists);
    }
    words.clear();
  };
  for (std::size_t at = 0; at < text.size();) {
    if (isSentenceEnd(text[at])) {
      endSentence(at + (text[at] == '\n' ? 0 : 1));
      sentenceBegin = ++at;
      continue;
    }
    if (lowerLetter(text[at]) == 0) {
      if (words.empty()) sentenceBegin = at + 1;
      ++at;
      continue;
    }
    Word word{at, at, {}, {}};
    while (at < text.size() && lowerLetter(text[at]) != 0) word.lower += lowerLetter(text[at++]);
    word.end = at;
    const std::string plain = fold(word.lower);
    const bool letters = plain.find_first_of("0123456789") == std::string::npos;
    if (letters && plain.size() >= 3 && !stopWords().count(plain)) {
      std::string s = stem(word.lower);
      if (!ignored.count(s)) word.stem = std::move(s);
    }
    words.push_back(std::move(word));
  }
  endSentence(text.size());
  return prose;
}

std::vector<Echo> echoes(const Prose& a, const Prose& b) {
  std::vector<Echo> found;
  for (const List& x : a.lists)
    for (const List& y : b.lists)
      if (matchedItems(x, y) >= minSharedItems) found.push_back({Echo::SharedList, x.span, y.span});
  for (const Sentence& x : a.sentences)
    for (const Sentence& y : b.sentences)
      if (sameSubstance(x, y)) found.push_back({Echo::SameSentence, x.span, y.span});
  return found;
}

}  // namespace kalmira::echoes
