#pragma once

namespace mvf {

// Kinds of notice; each sets the background of the notices shown after it.
enum class MsgBoxTypes { mabtAlerta = 0, mabtErro = 1, mabtOk = 2 };

} // namespace mvf
