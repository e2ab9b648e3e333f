#pragma once
class FormView;

// The form object of a catalogue kind, before its window exists: the form's own class where it
// has behaviour of its own, the generic form otherwise. nullptr for a kind with no form yet.
FormView *createFormObject(int layoutId);
