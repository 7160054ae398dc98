#include "alarm/musiclib/notation.h"

#include <cctype>
#include <cmath>

namespace zel {
namespace {

// Semitones above C of the letters C D E F G A B.
int LetterSemitone(char letter) {
  switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
  }
}

// Reads "/n" and ".", answering the length in ms; 0 when malformed.
double TokenLength(std::string_view rest, int tempo) {
  int denominator = 4;
  std::size_t i = 0;
  if (i < rest.size() && rest[i] == '/') {
    ++i;
    denominator = 0;
    while (i < rest.size() && std::isdigit(static_cast<unsigned char>(rest[i])))
      denominator = denominator * 10 + (rest[i++] - '0');
    if (denominator <= 0) return 0;
  }
  double ms = 60000.0 / tempo * 4.0 / denominator;
  if (i < rest.size() && rest[i] == '.') {
    ms *= 1.5;
    ++i;
  }
  return i == rest.size() ? ms : 0;
}

}  // namespace

std::vector<ToneStep> ParseMelody(const MelodySource& source, std::string* error) {
  std::vector<ToneStep> steps;
  if (error) error->clear();
  const std::string_view text(source.Notes);
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == '|'))
      ++at;
    const std::size_t start = at;
    while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at])) && text[at] != '|')
      ++at;
    const std::string_view token = text.substr(start, at - start);
    if (token.empty()) continue;

    double frequency = 0;
    std::size_t i = 0;
    if (token[0] == 'R') {
      i = 1;
    } else {
      int semitone = LetterSemitone(token[0]);
      i = 1;
      if (i < token.size() && token[i] == '#') ++semitone, ++i;
      else if (i < token.size() && token[i] == 'b') --semitone, ++i;
      if (semitone < -1 || i >= token.size() || !std::isdigit(static_cast<unsigned char>(token[i]))) {
        if (error) *error = "bad note '" + std::string(token) + "' in " + source.Name;
        continue;
      }
      const int octave = token[i++] - '0';
      const int midi = 12 * (octave + 1) + semitone;
      frequency = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    }
    const double ms = TokenLength(token.substr(i), source.Tempo);
    if (ms <= 0) {
      if (error) *error = "bad length '" + std::string(token) + "' in " + source.Name;
      continue;
    }
    const auto length = static_cast<std::uint16_t>(std::lround(ms));
    if (frequency == 0) {
      steps.push_back({0, length});
      continue;
    }
    const std::uint16_t gap = length / 8 < 12 ? 12 : static_cast<std::uint16_t>(length / 8);
    steps.push_back({static_cast<std::uint16_t>(std::lround(frequency)),
                     static_cast<std::uint16_t>(length - gap)});
    steps.push_back({0, gap});
  }
  return steps;
}

}  // namespace zel
