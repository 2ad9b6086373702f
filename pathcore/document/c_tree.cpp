#include "document/c_tree.h"

#include <stdexcept>

#include "document/library_state.h"
#include "pathcore/path_obj.h"

namespace kw::pathcore {
namespace {

CPathObj& Document() {
  CPathObj* doc = CurrentDocument();
  if (!doc) throw std::logic_error("nesting tree used without a current document");
  return *doc;
}

}  // namespace

bool CTree::Inside(int32_t outer, int32_t inner) const {
  int16_t resv = 0;
  Document().GetInRgn(outer, inner, resv, NIndex);
  return resv == 1;
}

void CTree::RemoveMember(int32_t k) {
  T.erase(T.begin() + k);
  TIsRgn.erase(TIsRgn.begin() + k);
}

std::unique_ptr<CTree> CTree::NewChild(int32_t index) {
  auto child = std::make_unique<CTree>();
  child->NIndex = index;
  return child;
}

// The steps both insertions share: a goes into the child whose region holds
// it, or into a new child made of the plain closed member that holds it.
bool CTree::InsertInside(int32_t a, void (CTree::*insert)(int32_t)) {
  for (int32_t c = 1; c <= CTCount(); ++c) {
    if (Inside(CT[c]->NIndex, a)) {
      (CT[c].get()->*insert)(a);
      return true;
    }
  }
  for (int32_t k = 1; k <= TCount(); ++k) {
    if (TIsRgn[k] && Inside(T[k], a)) {
      auto child = NewChild(T[k]);
      (child.get()->*insert)(a);
      RemoveMember(k);
      AddTree(std::move(child));
      return true;
    }
  }
  return false;
}

void CTree::AddRgn(int32_t a) {
  if (!InsertInside(a, &CTree::AddRgn)) MoveEnclosedInto(a);
}

// a encloses or stands beside everything of this node: what lies inside a
// moves into a new node for a; with nothing inside, a is a plain member.
void CTree::MoveEnclosedInto(int32_t a) {
  std::vector<int32_t> members, children;
  for (int32_t l = 1; l <= TCount(); ++l) {
    if (Inside(a, T[l])) members.push_back(l);
  }
  for (int32_t c = 1; c <= CTCount(); ++c) {
    if (Inside(a, CT[c]->NIndex)) children.push_back(c);
  }
  if (members.empty() && children.empty()) {
    T.push_back(a);
    TIsRgn.push_back(true);
    return;
  }
  auto node = NewChild(a);
  for (const int32_t l : members) {
    if (TIsRgn[l]) node->AddRgn(T[l]);
    else node->AddLine(T[l]);
  }
  for (auto it = members.rbegin(); it != members.rend(); ++it) RemoveMember(*it);
  for (const int32_t c : children) node->AddTree(std::move(CT[c]));
  for (auto it = children.rbegin(); it != children.rend(); ++it) CT.erase(CT.begin() + *it);
  AddTree(std::move(node));
}

void CTree::AddLine(int32_t a) {
  if (InsertInside(a, &CTree::AddLine)) return;
  T.push_back(a);
  TIsRgn.push_back(false);
}

void CTree::AddTree(std::unique_ptr<CTree> t) { CT.push_back(std::move(t)); }

void CTree::OutPath() {
  const int32_t m = TCount() + CTCount();
  if (m == 0) return;
  std::vector<int32_t> items(1, 0);
  for (int32_t k = 1; k <= TCount(); ++k) items.push_back(T[k]);
  for (int32_t c = 1; c <= CTCount(); ++c) items.push_back(CT[c]->NIndex);
  std::vector<int32_t> index;
  CPathObj& doc = Document();
  doc.GetRgnPx(items, index, NIndex);
  for (int32_t i = 1; i <= m; ++i) {
    const int32_t item = index[i];
    int32_t object = items[item];
    doc.SetInRgnPx(object, NIndex);
    if (item > TCount()) CT[item - TCount()]->OutPath();
  }
}

void CTree::SelectEdge(std::vector<int32_t>& S) {
  bool first = true;
  auto mark = [&](int32_t object) {
    S[object] = first ? 2 : 1;
    first = false;
  };
  for (int32_t k = 1; k <= TCount(); ++k) {
    if (TIsRgn[k]) mark(T[k]);
  }
  for (int32_t c = 1; c <= CTCount(); ++c) mark(CT[c]->NIndex);
}

}  // namespace kw::pathcore
