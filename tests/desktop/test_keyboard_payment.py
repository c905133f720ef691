"""A whole payment by keyboard alone: entered, edited, deleted and undeleted with Tab,
typing and Space, the list moved with its arrow keys, every message box answered with a
key; then the order saved by the demo and read back from its database."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402

DELETE = "Do you want to delete the selected payment record"
UNDELETE = "Do you want to Undelete the selected payment record"


def expect(actual, wanted, what):
    if actual != wanted:
        raise AssertionError("%s: %r, wanted %r" % (what, actual, wanted))


def scenario(d):
    P = d.pyatspi
    field = lambda name: d.get(name=name, role=P.ROLE_TEXT)  # noqa: E731
    text = lambda name: d.text(field(name))  # noqa: E731
    payments = d.get(name="Payments", role=P.ROLE_TABLE)
    rows = lambda: d.table_rows(payments)  # noqa: E731

    def wait_text(name, wanted):
        d.wait_until(lambda: text(name) == wanted, "%r to read %r" % (name, wanted),
                     lambda: text(name))

    def press(button, key="Tab"):
        d.tab_to(button, P.ROLE_PUSH_BUTTON, key=key)
        d.key("space")

    stored = rows()
    expect(len(stored), 3, "the sample order's payments")
    wait_text("Total Amount $:", "170.25")

    # A new payment: New Payment opens the fields with the focus in Reference.
    press("New Payment", "shift+Tab")
    d.get(name="Save", role=P.ROLE_PUSH_BUTTON, what="New Payment captioned Save")
    d.get(name="Cancel", role=P.ROLE_PUSH_BUTTON, what="Edit captioned Cancel")
    d.wait_focus("Reference:", P.ROLE_TEXT)
    d.type("1002")
    d.tab_to("Amount $:", P.ROLE_TEXT)
    # The whole amount is selected on the way in, so that typing replaces it.
    d.wait_until(lambda: d.selection(field("Amount $:")) == (0, 4), "0.00 selected",
                 lambda: d.selection(field("Amount $:")))
    d.type("75")
    press("Save")
    d.wait_until(lambda: len(rows()) == 4, "the new payment in the list", rows)
    added = rows()[3]
    expect(added[1:4], ["1002", "", "75.00"], "the new row's reference, authorization, amount")
    expect(added[4], "Dec 01, 2026", "the new row's date, the order's")
    payment_type = added[0]
    wait_text("Total Amount $:", "245.25")
    wait_text("Balance Amount $:", "4.75")
    d.get(name="New Payment", role=P.ROLE_PUSH_BUTTON, what="Save captioned New Payment")

    # Edit it: End selects it in the list, Edit opens it, a new amount replaces the old.
    d.tab_to("Payments", P.ROLE_TABLE, key="shift+Tab")
    d.key("End")
    wait_text("Reference:", "1002")
    press("Edit")
    d.get(name="Cancel", role=P.ROLE_PUSH_BUTTON, what="Edit captioned Cancel")
    d.tab_to("Amount $:", P.ROLE_TEXT)
    d.wait_until(lambda: d.selection(field("Amount $:")) == (0, 5), "75.00 selected",
                 lambda: d.selection(field("Amount $:")))
    d.type("79.5")
    press("Save")
    d.wait_until(lambda: rows()[3][3] == "79.50", "the edited amount in the list", rows)
    expect(len(rows()), 4, "rows after the edit")
    wait_text("Total Amount $:", "249.75")
    wait_text("Balance Amount $:", "0.25")

    # Delete the first stored payment: No (Escape) keeps it, Yes (Return) marks it deleted,
    # and a screen reader hears it on every cell of its row.
    d.tab_to("Payments", P.ROLE_TABLE, key="shift+Tab")
    d.key("Home")
    wait_text("Reference:", "1001")
    press("Delete")
    d.answer(DELETE, "Escape")
    expect(rows()[0], stored[0], "the payment after No")
    wait_text("Total Amount $:", "249.75")
    d.wait_focus("Delete", P.ROLE_PUSH_BUTTON)
    d.key("space")
    d.answer(DELETE, "Return")
    d.get(name="Undelete", role=P.ROLE_PUSH_BUTTON, what="Delete captioned Undelete")
    wait_text("Total Amount $:", "149.75")
    descriptions = d.row_descriptions(payments)
    expect(descriptions[0], ["Deleted"] * 5, "the deleted row's cells' descriptions")
    expect(descriptions[1:], [[""] * 5] * 3, "the other rows' descriptions")
    expect(rows()[0], stored[0], "the deleted row's cells")

    # Undelete it.
    press("Undelete")
    d.answer(UNDELETE, "Return")
    d.get(name="Delete", role=P.ROLE_PUSH_BUTTON, what="Undelete captioned Delete")
    wait_text("Total Amount $:", "249.75")
    expect(d.row_descriptions(payments)[0], [""] * 5, "the undeleted row's descriptions")

    # The demo saves the order; the store has the new payment as edited.
    press("Save order")
    d.wait_until(lambda: len(d.payments()) == 4, "the saved order in the database",
                 d.payments)
    saved = d.payments()
    expect([p[0] for p in saved[:3]], [501, 502, 503], "the stored payments kept")
    expect(saved[3][2:5], ("1002", "", 79.5), "the new payment as stored")
    d.wait_until(lambda: rows()[3][0] == payment_type, "the reloaded list", rows)


if __name__ == "__main__":
    desktop.main(scenario)
