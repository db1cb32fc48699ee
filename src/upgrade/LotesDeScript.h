#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tramvel {

// The lines of a script: a line ends at CR LF, at a lone CR (as Windows
// tools read text) or at a lone LF (a script saved on Linux), so that a GO
// line separates batches whichever way the script was saved. A last line
// without an end counts; a file that ends with a line end has no empty line
// after it.
std::vector<std::string_view> LineasDeTexto(std::string_view texto);

// The batches of a script, cut the way the database's own tools write them:
// a line that is GO (any case, blanks around it) closes the batch before it
// and opens a new, empty one at once, so that a script ending in GO has an
// empty last batch. Every other line is kept followed by CR LF, with each
// UTF-8 byte-order mark in it (read as text, "ï»¿") turned into one blank.
class LotesDeScript {
 public:
  LotesDeScript() : lotes_(1) {}

  // Takes the next line of the script. The batch index is a 16-bit counter:
  // a separator beyond 32767 raises 6 (overflow) and is not taken.
  void Agregar(std::string_view linea);

  const std::vector<std::string>& Lotes() const { return lotes_; }

 private:
  std::vector<std::string> lotes_;
};

}  // namespace tramvel
