// Memory running out: a build gives back every object and block it made when
// an allocation fails, wherever it fails, and trees go without asking for
// memory (a throw from a destructor would end the process).
#include "AllocationFaults.h"
#include "EachAllocationFails.h"
#include "MarkupTreeSupport.h"

namespace
{
class MarkupMemoryTest : public MarkupTreeTest
{
};

// Elements in elements, attributes converted to their values, a property
// element.
const wchar_t kMarkup[] = L"<TestPanel Width=\"40\"><TestPanel Height=\"8\"><TestPanel/></TestPanel>"
                          L"<TestPanel.Background><SolidColorBrush Color=\"#FF0000\"/></TestPanel.Background>"
                          L"</TestPanel>";
// A text block with its inlines.
const wchar_t kText[] = L"<TestPanel><TextBlock>three <Bold>four</Bold></TextBlock></TestPanel>";
} // namespace

TEST_F(MarkupMemoryTest, MemoryRunningOutAnywhereInABuildGivesEverythingBack)
{
    EachAllocationFails([this] {
        if (CZMRMarkupObject* pRoot = Build(kMarkup))
            pRoot->Release();
    });
    CZMRMarkupObject* pRoot = Build(kMarkup);
    ASSERT_NE(pRoot, nullptr);
    pRoot->Release();
}

TEST_F(MarkupMemoryTest, TreesGoWithoutAskingForMemory)
{
    // Collections (the panel's items, the text block's inlines) empty
    // themselves as they go.
    CZMRMarkupObject* pRoot = Build(kText);
    ASSERT_NE(pRoot, nullptr);
    AllocationFaults::Arm(0);
    pRoot->Release();
    EXPECT_FALSE(AllocationFaults::Disarm()) << "the tree asked for memory while it went";
}
