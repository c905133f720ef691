"""Each field of the control is linked to the label that names it (labelled-by and
label-for), the balance box included although its label has another parent; where two
widgets share a label, the link follows the one in front as the control swaps them."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402

# A card type the control opens the card fields for, and a card list saying no card is on
# file: choosing the card type then puts the "Not Found" box in front of the card box.
TYPES = ("0~Cash~0|1~On Account~1|2~Check~0|3~Gift Card~0|4~Voucher~1|5~Credit Card~0|"
         "6~Bank Transfer~0|7~Money Order~0|8~Zeta Card~0|")
CARDS = "Not Found|"


def describe(d, accs):
    return sorted(d.describe(acc) for acc in accs)


def link_fault(d, links):
    """What is wrong with the links, or None. For each (label, role): the label is the label
    for exactly one widget, of that role, which is labelled by it; no other widget of the
    label's name is labelled by anything. (Qt on Linux names a combo box by the entry it
    shows, once it shows one.)"""
    P = d.pyatspi
    control = d.get(name="Payments", role=P.ROLE_TABLE).parent.parent
    accs = list(d.walk(control, showing=False))
    labels = {acc.name: acc for acc in accs if acc.getRole() == P.ROLE_LABEL}
    for label_name, role in links:
        label = labels.get(label_name)
        if label is None:
            return "no label %r" % label_name
        targets = d.relation_targets(label, P.RELATION_LABEL_FOR)
        if len(targets) != 1 or targets[0].getRole() != role or (
                targets[0].name != label_name and role != P.ROLE_COMBO_BOX):
            return "%r is the label for %s" % (label_name, describe(d, targets))
        by = d.relation_targets(targets[0], P.RELATION_LABELLED_BY)
        if [(t.getRole(), t.name) for t in by] != [(P.ROLE_LABEL, label_name)]:
            return "%s is labelled by %s" % (d.describe(targets[0]), describe(d, by))
        for acc in accs:
            if acc.name != label_name or acc.getRole() in (P.ROLE_LABEL, role):
                continue
            by = d.relation_targets(acc, P.RELATION_LABELLED_BY)
            if by:
                return "%s, behind, is labelled by %s" % (d.describe(acc), describe(d, by))
    return None


def expect_links(d, links, when):
    fault = [None]

    def linked():
        fault[0] = link_fault(d, links)
        return fault[0] is None
    d.wait_until(linked, "the labels' links %s" % when, lambda: fault[0])


def scenario(d):
    P = d.pyatspi
    browsing = [
        ("Payment Type:", P.ROLE_COMBO_BOX), ("Bris Credit Card:", P.ROLE_COMBO_BOX),
        ("Reference:", P.ROLE_TEXT), ("Authorization:", P.ROLE_TEXT),
        ("Amount $:", P.ROLE_TEXT), ("Payment Date:", P.ROLE_TEXT),
        ("Total Amount $:", P.ROLE_TEXT), ("Ordered Amount $:", P.ROLE_TEXT),
        ("Balance Amount $:", P.ROLE_TEXT)]
    expect_links(d, browsing, "while browsing")

    # The demo loads a card type and an empty card list into the control.
    for name, text in (("Cards", CARDS), ("Types", TYPES)):
        d.tab_to(name, P.ROLE_TEXT)
        d.key("ctrl+a")
        d.type(text)
        d.wait_until(lambda: d.text(d.focused()) == text, "%r to read %r" % (name, text))
    d.tab_to("Load", P.ROLE_PUSH_BUTTON)
    d.key("space")

    # New Payment shows the date picker in front of the date box.
    d.tab_to("New Payment", P.ROLE_PUSH_BUTTON)
    d.key("space")
    entering = [link for link in browsing if link[0] != "Payment Date:"]
    expect_links(d, entering + [("Payment Date:", P.ROLE_SPIN_BUTTON)], "with the picker")

    # The card type puts the "Not Found" box in front of the card box; Check puts it back.
    d.tab_to("Payment Type:", P.ROLE_COMBO_BOX, key="shift+Tab")
    d.key("z")
    cards = [link for link in entering if link[0] != "Bris Credit Card:"]
    expect_links(d, cards + [("Bris Credit Card:", P.ROLE_TEXT)], "with the Not Found box")
    not_found = d.find(name="Bris Credit Card:", role=P.ROLE_TEXT)
    if d.text(not_found) != "Not Found":
        raise AssertionError("the box in front reads %r" % d.text(not_found))
    d.tab_to("Payment Type:", P.ROLE_COMBO_BOX, key="shift+Tab")
    d.type("Ch")
    expect_links(d, entering, "with the card box back in front")

    # Cancel hides the picker: the date box has its label again.
    d.tab_to("Cancel", P.ROLE_PUSH_BUTTON)
    d.key("space")
    expect_links(d, browsing, "after Cancel")


if __name__ == "__main__":
    desktop.main(scenario)
