// What must hold for any bytes drawn as an SVG picture. Shared by the fuzz
// target and by the test that replays its corpus and regressions.
//
// The input is terminal output, escapes, controls and broken UTF-8 and all.
// The check gives an empty text when the document is sound, else what is
// wrong with it: it must be well-formed XML (tags balanced under one root,
// attribute values quoted, text holding no markup but the five escapes),
// hold only characters that XML allows, and grow no faster than the input.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/utf8.hpp"
#include "render/svg_picture.hpp"

namespace trot::fuzz {

// XML 1.0's Char production.
inline bool isXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// The markup after "<" up to its ">": a name, then name="value" pairs, all
// in printable ASCII.
inline std::string tagFault(std::string_view tag) {
  const std::size_t nameEnd = tag.find_first_of(" /");
  const std::string_view name = tag.substr(0, nameEnd);
  if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string_view::npos) {
    return "a tag without a plain name";
  }
  if (std::ranges::any_of(tag, [](char c) { return c < ' ' || c > '~'; })) return "a tag that is not printable ASCII";
  for (std::string_view rest = tag.substr(std::min(nameEnd, tag.size())); rest.size() > 1;) {
    const std::size_t open = rest.find("=\"");
    const std::size_t close = rest.find('"', open + 2);
    if (open == std::string_view::npos || close == std::string_view::npos) return "an attribute without its value";
    if (rest.substr(open + 2, close - open - 2).find_first_of("<&") != std::string_view::npos) {
      return "markup in an attribute value";
    }
    rest.remove_prefix(close + 1);
  }
  return "";
}

inline std::string checkSvgPicture(std::string_view input) {
  std::ostringstream out;
  writeSvgPicture(input, out);
  const std::string svg = out.str();
  constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  // The declaration, the root's tag and the backdrop, with room for their
  // numbers.
  constexpr std::size_t kFixedBytes = 512;
  if (svg.size() > kFixedBytes + kSvgBytesPerTerminalByte * input.size()) {
    return std::to_string(svg.size()) + " bytes of SVG for " + std::to_string(input.size()) + " of input";
  }
  if (!svg.starts_with(kDeclaration)) return "no XML declaration";

  std::vector<std::string_view> open;
  bool rootClosed = false;
  for (std::string_view rest = std::string_view(svg).substr(kDeclaration.size()); !rest.empty();) {
    if (rest.front() == '<') {
      const std::size_t end = rest.find('>');
      if (end == std::string_view::npos) return "a tag without its end";
      std::string_view tag = rest.substr(1, end - 1);
      rest.remove_prefix(end + 1);
      if (tag.starts_with('/')) {
        if (open.empty() || open.back() != tag.substr(1))
          return "a closing tag that closes nothing: " + std::string(tag);
        open.pop_back();
        rootClosed = open.empty();
        continue;
      }
      if (rootClosed || (open.empty() && !tag.starts_with("svg "))) return "a root that is not the one svg";
      if (std::string fault = tagFault(tag); !fault.empty()) return fault + ": " + std::string(tag);
      if (!tag.ends_with('/')) open.push_back(tag.substr(0, tag.find(' ')));
      continue;
    }
    if (rest.front() == '&') {
      const std::size_t end = rest.find(';');
      const std::string_view entity = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
      if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;" && entity != "&apos;") {
        return "an unknown entity: " + std::string(entity);
      }
      rest.remove_prefix(entity.size());
      continue;
    }
    if (open.empty() && rest.front() != '\n') return "text outside the root";
    if (rest.front() == '>') return "a bare '>' in text";
    const std::uint32_t c = decodeStrict(rest);
    if (c == kInvalidByte) return "a byte that is not well-formed UTF-8";
    if (!isXmlCharacter(c)) return "character " + std::to_string(c) + ", which XML does not allow";
  }
  if (!rootClosed || !open.empty()) return "an element left open";
  return "";
}

}  // namespace trot::fuzz
