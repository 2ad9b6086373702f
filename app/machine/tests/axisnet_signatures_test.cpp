// When the controller library's own header is in the tree, every signature
// the binding assumes must be the library's, or calls would pass garbage.
#if __has_include("axisnet/axisnet.h")

#include "axisnet/axisnet.h"

#include <type_traits>

#include "machine/axisnet_functions.h"

#define KW_AXISNET_SAME_SIGNATURE(result, name, params, args)          \
  static_assert(std::is_same_v<decltype(&::name), result(*) params>, \
                #name " is declared differently in axisnet/axisnet.h");
KW_AXISNET_FUNCTIONS(KW_AXISNET_SAME_SIGNATURE)
#undef KW_AXISNET_SAME_SIGNATURE

#endif
