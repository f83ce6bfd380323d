#include "CollisionMatrix.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

/// The rules of one row: per column "Y" or "n" (collides), then the begin handler: "D" damage,
/// "P" portal (begin and end), "B" bubble, "-" none.
const char* const kExpected[CollisionMatrix::kTypeCount] = {
    "YD YD YD YD YD YD YD YD YP n- YD YD", // 0
    "YD YD nD YD YD YD YD YD nP n- YD YD", // 1
    "YD nD YD YD YD YD YD YD YP n- YD YD", // 2
    "YD YD YD YD YD nD nD YD YP n- YD YB", // 3
    "YD YD YD YD YD nD YD YD YP n- YD YD", // 4
    "YD YD YD nD nD YD YD YD YP nD YD YD", // 5
    "YD YD YD nD YD YD nD YD YP nD YD YD", // 6
    "YD YD YD YD YD YD YD Y- YP n- YD YD", // 7
    "YP nP YP YP YP YP YP YP Y- n- YD YD", // 8
    "n- n- n- n- n- nD nD n- n- Y- YD YD", // 9
    "YD YD YD YD YD YD YD YD YD YD YD YD", // 10
    "YD YD YD YB YD YD YD YD YD YD YD nD", // 11
};

std::string cellOf(const CollisionRule& rule) {
    std::string cell = rule.collides ? "Y" : "n";
    switch (rule.onBegin) {
    case CollisionHandler::Damage:
        return cell + "D";
    case CollisionHandler::Bubble:
        return cell + "B";
    case CollisionHandler::PortalBegin:
        // A portal rule always pairs its begin with its end.
        return cell + (rule.onEnd == CollisionHandler::PortalEnd ? "P" : "?");
    case CollisionHandler::PortalEnd:
        return cell + "?";
    case CollisionHandler::None:
        break;
    }
    return cell + "-";
}

TEST(CollisionMatrix, EveryPairHasTheGamesRule) {
    const CollisionMatrix matrix;
    for (int a = 0; a < CollisionMatrix::kTypeCount; ++a) {
        std::istringstream row(kExpected[a]);
        for (int b = 0; b < CollisionMatrix::kTypeCount; ++b) {
            std::string expected;
            row >> expected;
            const CollisionRule& rule = matrix.rule(a, b);
            EXPECT_EQ(cellOf(rule), expected) << "types " << a << ", " << b;
            // Only portals end contacts with a handler, and no pair handles pre-solving.
            if (rule.onBegin != CollisionHandler::PortalBegin) {
                EXPECT_EQ(rule.onEnd, CollisionHandler::None) << "types " << a << ", " << b;
            }
            EXPECT_EQ(rule.onPreSolve, CollisionHandler::None) << "types " << a << ", " << b;
        }
    }
}

} // namespace
