<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Corvane</name>
    <message>
        <source>New Payment</source>
        <translation>Neue Zahlung</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Undelete</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Payment Type:</source>
        <translation>Zahlungsart:</translation>
    </message>
    <message>
        <source>Bris Credit Card:</source>
        <translation>Bris-Kreditkarte:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referenz:</translation>
    </message>
    <message>
        <source>Authorization:</source>
        <translation>Autorisierung:</translation>
    </message>
    <message>
        <source>Amount $:</source>
        <extracomment>Keep the $: the currency's code takes its place when the host names one.</extracomment>
        <translation>Betrag $:</translation>
    </message>
    <message>
        <source>Payment Date:</source>
        <translation>Zahlungsdatum:</translation>
    </message>
    <message>
        <source>Ordered Amount $:</source>
        <extracomment>Keep the $: the currency's code takes its place when the host names one.</extracomment>
        <translation>Bestellwert $:</translation>
    </message>
    <message>
        <source>Total Amount $:</source>
        <extracomment>Keep the $: the currency's code takes its place when the host names one.</extracomment>
        <translation>Gesamtbetrag $:</translation>
    </message>
    <message>
        <source>Balance Amount $:</source>
        <extracomment>Keep the $: the currency's code takes its place when the host names one.</extracomment>
        <translation>Offener Betrag $:</translation>
    </message>
    <message>
        <source>Version Number: %1</source>
        <extracomment>%1 is the version, 2.1.2.</extracomment>
        <translation>Versionsnummer: %1</translation>
    </message>
    <message>
        <source>Not Found</source>
        <extracomment>Shown in the credit card box when the host offers no card.</extracomment>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <extracomment>A column header of the payment list.</extracomment>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>A column header of the payment list.</extracomment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Authorization</source>
        <extracomment>A column header of the payment list.</extracomment>
        <translation>Autorisierung</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <extracomment>A column header of the payment list. Keep the $: the currency's code takes its place when the host names one.</extracomment>
        <translation>Betrag ($)</translation>
    </message>
    <message>
        <source>Payment Date</source>
        <extracomment>A column header of the payment list; the column is narrow.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payments</source>
        <extracomment>The payment list's name, read by screen readers.</extracomment>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Deleted</source>
        <extracomment>A deleted payment's row, as screen readers describe it.</extracomment>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>MMM dd, yyyy</source>
        <extracomment>The date picker's form, in Qt's date format letters (MMM: the month's abbreviated name in English).</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>%1 cannot be selected from the center for use on a new or existing payment.</source>
        <extracomment>%1 is the payment type's name.</extracomment>
        <translation>Die Zahlungsart „%1“ kann in der Zentrale nicht für neue oder bestehende Zahlungen gewählt werden.</translation>
    </message>
    <message>
        <source>Please enter the Reference Number</source>
        <translation>Bitte geben Sie die Referenznummer ein.</translation>
    </message>
    <message>
        <source>Autorization Number cannot exceed 20 characters</source>
        <translation>Die Autorisierungsnummer darf höchstens 20 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Reference Number cannot exceed  20 characters</source>
        <translation>Die Referenznummer darf höchstens 20 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Please enter the Payment Amount</source>
        <translation>Bitte geben Sie den Zahlungsbetrag ein.</translation>
    </message>
    <message>
        <source>The Total Amount of all payments has to be less than or equal to Ordered Amount </source>
        <translation>Der Gesamtbetrag aller Zahlungen darf den Bestellwert nicht übersteigen.</translation>
    </message>
    <message>
        <source> Corvane</source>
        <extracomment>The title of most refused saves' messages.</extracomment>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Corvane</source>
        <extracomment>The title of the message asking for a reference.</extracomment>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Do you want to delete the selected payment record</source>
        <translation>Möchten Sie die ausgewählte Zahlung löschen?</translation>
    </message>
    <message>
        <source>Do you want to Undelete the selected payment record</source>
        <translation>Möchten Sie die ausgewählte Zahlung wiederherstellen?</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The title of the questions of Delete and Undelete.</extracomment>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>&amp;New Payment</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Neue Zahlung</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undelete</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Payment Type:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Zahlungsart:</translation>
    </message>
    <message>
        <source>&amp;Bris Credit Card:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>Bris-&amp;Kreditkarte:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Referenz:</translation>
    </message>
    <message>
        <source>&amp;Authorization:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>A&amp;utorisierung:</translation>
    </message>
    <message>
        <source>A&amp;mount $:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>Be&amp;trag $:</translation>
    </message>
    <message>
        <source>Pa&amp;yment Date:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>Zahlungs&amp;datum:</translation>
    </message>
    <message>
        <source>&amp;Ordered Amount $:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>B&amp;estellwert $:</translation>
    </message>
    <message>
        <source>&amp;Total Amount $:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Gesamtbetrag $:</translation>
    </message>
    <message>
        <source>Ba&amp;lance Amount $:</source>
        <extracomment>With access keys: the letter after the '&amp;' is pressed with Alt. No two of these texts may share a letter.</extracomment>
        <translation>&amp;Offener Betrag $:</translation>
    </message>
</context>
</TS>
