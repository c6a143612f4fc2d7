#pragma once
// Where a finding of the checker lies in what the editor shows: the book, the chapter
// point and the field, found from the finding's file and line.
#include <string>

#include "diagnostics.h"
#include "editor/editor_session.h"

namespace zrx {

struct ProblemPlace {
  int book = -1;     // -1: a file the editor does not show (the package file)
  int chapter = -1;  // its place in the book's source; -1: outside the chapter points
  std::string field;  // the source key written on the finding's line or above it; empty: none
};

ProblemPlace PlaceOf(const book::Diagnostic& finding, const EditorSession& session);

// "bevezeto/bevezeto.yaml:12 · FejezetPont 5 · Conditions · <message>", the file named
// from the package file's folder.
std::string ProblemRowText(const book::Diagnostic& finding, const ProblemPlace& place, const EditorSession& session);

}  // namespace zrx
