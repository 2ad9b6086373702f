// CTree: one node of the nesting tree of closed paths. A node stands for the
// closed path NIndex (0 for the root) and holds what lies directly inside it:
// plain members T (paths that enclose nothing here) and child nodes CT
// (closed paths that enclose other paths). The tree asks the current document
// whether one path lies inside another.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace kw::pathcore {

class CTree {
 public:
  int32_t NIndex = 0;
  double Xs = 0, Ys = 0;  // mm, the document's top-left corner, set on the root

  int32_t TCount() const { return static_cast<int32_t>(T.size()) - 1; }
  int32_t CTCount() const { return static_cast<int32_t>(CT.size()) - 1; }
  int32_t TAt(int32_t i) const { return T[i]; }
  bool TIsRgnAt(int32_t i) const { return TIsRgn[i]; }
  CTree& CTAt(int32_t i) { return *CT[i]; }

  // Inserts closed path a into this node.
  void AddRgn(int32_t a);
  // Inserts open path a into this node.
  void AddLine(int32_t a);
  // Appends t as the last child node.
  void AddTree(std::unique_ptr<CTree> t);
  // Appends this node's objects to the document's order list, in band order.
  void OutPath();
  // Marks this level's closed paths: 2 for the first met, 1 for the others.
  void SelectEdge(std::vector<int32_t>& S);

 private:
  bool Inside(int32_t outer, int32_t inner) const;
  void RemoveMember(int32_t k);
  std::unique_ptr<CTree> NewChild(int32_t index);
  void MoveEnclosedInto(int32_t a);
  bool InsertInside(int32_t a, void (CTree::*insert)(int32_t));

  // 1-based like the document's arrays: element 0 holds nothing.
  std::vector<int32_t> T = std::vector<int32_t>(1);
  std::vector<bool> TIsRgn = std::vector<bool>(1);
  std::vector<std::unique_ptr<CTree>> CT = std::vector<std::unique_ptr<CTree>>(1);
};

}  // namespace kw::pathcore
