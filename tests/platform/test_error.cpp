#include "error.h"

#include <gtest/gtest.h>

TEST(Error, CarriesItsOwnText)
{
    try {
        throw Error(QStringLiteral("Image 'Štít' not found"));
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Image 'Štít' not found"));
    }
}
