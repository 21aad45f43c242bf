// The observer side of a tab strip: the tab paint manager keeps a list of
// atoms and tells each one when a drawing property changed.
#pragma once
#include "Framework.h"

class CZMRTabManagerAtom
{
public:
    virtual ~CZMRTabManagerAtom() {}
    // A drawing property of the paint manager changed: lay out again.
    virtual void OnPropertyChanged() { Reposition(); }
    // Recompute the layout (through the paint manager) and redraw.
    virtual void Reposition() = 0;
};
