"""Every focusable widget of the control and of the demo has a name of its own, the buttons'
names follow their captions, and the payment list's zero-width columns are not there for a
screen reader (no header, no cell) as they are not there for the eye."""

import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402


def widgets(d, root):
    """The focusable widgets under `root`, shown or not; not the items of lists, tables and
    combo boxes."""
    P = d.pyatspi
    items = (P.ROLE_LIST_ITEM, P.ROLE_TABLE_CELL, P.ROLE_TABLE_COLUMN_HEADER,
             P.ROLE_TABLE_ROW_HEADER)
    found = []
    for acc in d.walk(root, showing=False):
        if acc.getRole() in items or not d.has_state(acc, P.STATE_FOCUSABLE):
            continue
        if acc.getRole() == P.ROLE_LIST and acc.parent.getRole() == P.ROLE_COMBO_BOX:
            continue  # a combo box's drop-down
        found.append(acc)
    return found


def control_root(d):
    table = d.get(name="Payments", role=d.pyatspi.ROLE_TABLE)
    return table.parent.parent  # the list, its frame, the control's surface


def names(d, accs):
    return collections.Counter((acc.getRoleName(), d.name_of(acc)) for acc in accs)


def check_control(d, wanted, when):
    control = control_root(d)
    found = names(d, widgets(d, control))
    if found != wanted:
        raise AssertionError("%s: the control's widgets are %s, wanted %s" %
                             (when, sorted(found.elements()), sorted(wanted.elements())))


def scenario(d):
    P = d.pyatspi
    browsing = collections.Counter([
        ("table", "Payments"), ("combo box", "Payment Type:"), ("combo box", "Bris Credit Card:"),
        ("text", "Bris Credit Card:"), ("text", "Reference:"), ("text", "Authorization:"),
        ("text", "Amount $:"), ("text", "Payment Date:"), ("spin button", "Payment Date:"),
        ("push button", "New Payment"), ("push button", "Edit"), ("push button", "Delete"),
        ("text", "Total Amount $:"), ("text", "Ordered Amount $:"),
        ("text", "Balance Amount $:")])
    check_control(d, browsing, "browsing")

    # The demo's own widgets: each named, no two alike.
    control = control_root(d)
    in_control = set(id(acc) for acc in d.walk(control, showing=False))
    everything = widgets(d, d.app())
    unnamed = [d.describe(acc) for acc in everything if not acc.name.strip()]
    if unnamed:
        raise AssertionError("widgets without a name: %s" % unnamed)
    demo = [acc for acc in everything if id(acc) not in in_control]
    alike = [key for key, count in names(d, demo).items() if count > 1]
    if alike:
        raise AssertionError("demo widgets sharing a name: %s" % alike)

    # The list: five columns for the eye and for the ear; the sequence and the change mark
    # are nowhere.
    table = d.get(name="Payments", role=P.ROLE_TABLE)
    headers = ["Payment Type", "Reference", "Authorization", "Amount ($)", "Payment Date"]
    if d.column_headers(table) != headers:
        raise AssertionError("column headers %s" % d.column_headers(table))
    hidden = {"PaymentSequence", "IsUpdate", "501", "502", "503", "N"}
    for acc in d.walk(table, showing=False, items=True):
        if acc is not table and acc.name in hidden:
            raise AssertionError("the list shows a screen reader %s" % d.describe(acc))
    cells = [acc for acc in d.walk(table, showing=False, items=True)
             if acc.getRole() == P.ROLE_TABLE_CELL]
    if len(cells) != 3 * len(headers):
        raise AssertionError("%d cells for 3 payments" % len(cells))

    # The buttons' names follow their captions.
    d.tab_to("New Payment", P.ROLE_PUSH_BUTTON, key="shift+Tab")
    d.key("space")
    entering = browsing.copy()
    entering.subtract({("push button", "New Payment"): 1, ("push button", "Edit"): 1})
    entering.update({("push button", "Save"): 1, ("push button", "Cancel"): 1})
    d.get(name="Cancel", role=P.ROLE_PUSH_BUTTON, what="Edit captioned Cancel")
    check_control(d, +entering, "entering a payment")
    d.tab_to("Cancel", P.ROLE_PUSH_BUTTON, key="shift+Tab")
    d.key("space")
    d.get(name="New Payment", role=P.ROLE_PUSH_BUTTON, what="Save captioned New Payment")
    check_control(d, browsing, "after Cancel")


if __name__ == "__main__":
    desktop.main(scenario)
