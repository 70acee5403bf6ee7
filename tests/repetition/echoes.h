// Paraphrased echoes between two texts: a list that another text repeats in another order or form,
// and a sentence that another text says again in other words. Texts are code page 1250.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kalmira::echoes {

// A letter of code page 1250 in lower case (diacritics kept), or 0 for any byte that is no letter
// or digit.
char lowerLetter(char byte);

// What a word is compared by: lower case, diacritics folded, an inflectional ending cut and at most
// five letters kept, so that "jídle" and "jídlu", "kotníky" and "kotníků" meet.
std::string stem(std::string_view word);

// A list of three or more items; each item is the stems of its content words.
struct List {
  std::string_view span;
  std::vector<std::set<std::string>> items;
};

struct Sentence {
  std::string_view span;
  std::set<std::string> stems;  // of its content words
};

// A text's sentences and lists, as views into the text (which must outlive them). `ignored` holds
// stems that never count, the signs' own names: every text of a sign repeats its name.
struct Prose {
  std::vector<Sentence> sentences;
  std::vector<List> lists;
};
Prose analyse(std::string_view text, const std::set<std::string>& ignored = {});

struct Echo {
  enum Kind { SharedList, SameSentence } kind;
  std::string_view first, second;
};

// Every list of `a` that shares three or more items with a list of `b`, and every sentence of `a`
// that says in substance what a sentence of `b` says.
std::vector<Echo> echoes(const Prose& a, const Prose& b);

}  // namespace kalmira::echoes
