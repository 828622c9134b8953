#pragma once

#include "data/records.h"

#include <deque>

// Undo and redo over whole snapshots of the open month: every step restores
// the register exactly as it was.
class RegisterHistory
{
public:
    // Steps of kind Typing that follow each other (a name typed into a text
    // box, change by change) become one step.
    enum class StepKind { Whole, Typing };

    explicit RegisterHistory(const RegisterMonth &start);

    // Records the step from the last known register to `now`, if it changed.
    void track(const RegisterMonth &now, StepKind kind = StepKind::Whole);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // Replace `now` with the register before (after) the last undone step.
    bool undo(RegisterMonth &now);
    bool redo(RegisterMonth &now);

    static constexpr std::size_t Depth = 300;

private:
    std::deque<RegisterMonth> m_undo;
    std::deque<RegisterMonth> m_redo;
    RegisterMonth m_known;
    bool m_typing = false;
};
