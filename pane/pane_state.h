#pragma once
// What the pane's handlers remember, held by the main window.
class AddressBox;

struct PaneState {
    AddressBox* addressBox = nullptr;  // ComboBox2 following the page (pane/address_box.h)
};
