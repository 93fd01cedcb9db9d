#pragma once
// Which lunar node a reading shows: the mean node, moving steadily back along
// the ecliptic, or the true one, the node of the Moon's osculating orbit.

namespace rashi {

enum class NodeKind { Mean, True };

} // namespace rashi
