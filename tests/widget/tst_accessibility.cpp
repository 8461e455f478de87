#include "FormFixture.h"
#include "pictures/Grid.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every object a screen reader reaches from the interface, walking down.
QObjectList reachableFrom(QAccessibleInterface *root)
{
    QObjectList reached{root->object()};
    for (int i = 0; i < root->childCount(); ++i)
        reached += reachableFrom(root->child(i));
    return reached;
}

QWidget *control(frmMain &form, const QString &name)
{
    if (name.startsWith(QLatin1String("tile ")))
        return &form.Picture1(Integer(name.mid(5).toInt()));
    const QHash<QString, QWidget *> controls{
        {"window", &form}, {"Label1", &form.Label1()}, {"Combo1", &form.Combo1()},
        {"cmdStart", &form.cmdStart()}, {"cmdSolve", &form.cmdSolve()}, {"cmdExit", &form.cmdExit()},
        {"Text1", &form.Text1()}, {"Label2", &form.Label2()}};
    return controls.value(name);
}

QString name(frmMain &form, int box)
{
    return accessible(&form.Picture1(Integer(box)))->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsHaveRolesAndNames_data();
    void controlsHaveRolesAndNames();
    void shownControlsAreListedBoxesRowByRow();
    void tilesNameTheirPiece_data();
    void tilesNameTheirPiece();
    void aMoveIsReflected();
    void pressActionIsAClick_data();
    void pressActionIsAClick();
};

void AccessibilityTest::controlsHaveRolesAndNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("window") << "window" << int(QAccessible::Window) << "Vennaro" << "";
    QTest::newRow("title") << "Label1" << int(QAccessible::StaticText) << "Vennaro" << "";
    QTest::newRow("list") << "Combo1" << int(QAccessible::ComboBox) << "Picture" << "Choose a picture";
    QTest::newRow("Start") << "cmdStart" << int(QAccessible::Button) << "Start" << "";
    QTest::newRow("Solve") << "cmdSolve" << int(QAccessible::Button) << "Solve" << "";
    QTest::newRow("Exit") << "cmdExit" << int(QAccessible::Button) << "Exit" << "";
    QTest::newRow("counter") << "Text1" << int(QAccessible::EditableText) << "Number of Moves" << "0";
    QTest::newRow("counter's label") << "Label2" << int(QAccessible::StaticText) << "Number of Moves" << "";
    QTest::newRow("tile before a picture") << "tile 13" << int(QAccessible::Button) << "Empty" << "";
}

void AccessibilityTest::controlsHaveRolesAndNames()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, value);
    FormFixture fixture;
    QWidget *widget = ::control(fixture.form, control);
    QAccessibleInterface *interface = accessible(widget);
    QVERIFY(interface);
    QCOMPARE(int(interface->role()), role);
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(interface->text(QAccessible::Value), value);
    for (int i = 0; i < interface->childCount(); ++i) {
        QCOMPARE(interface->child(i)->parent(), interface);
        QCOMPARE(interface->indexOfChild(interface->child(i)), i);
    }
    // The list's one child holds its entries, as the list that drops down.
    if (widget == &fixture.form.Combo1())
        QCOMPARE(interface->child(0)->childCount(), fixture.form.Combo1().count());
    QVERIFY(reachableFrom(accessible(&fixture.form)).contains(widget));
    QVERIFY(fixture.form.windowTitle().isEmpty());
}

// The hidden text box is left out; the boxes, made out of order, come row by row.
void AccessibilityTest::shownControlsAreListedBoxesRowByRow()
{
    FormFixture fixture;
    QAccessibleInterface *client = accessible(&fixture.form.clientArea());
    QVERIFY(!reachableFrom(accessible(&fixture.form)).contains(&fixture.form.Text2()));
    int shown = 0;
    for (QWidget *child : fixture.form.clientArea().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        shown += child->isVisible();
    QCOMPARE(client->childCount(), shown);
    int boxes = 0;
    for (int i = 0; i < client->childCount(); ++i) {
        QCOMPARE(client->indexOfChild(client->child(i)), i);
        QCOMPARE(client->child(i)->parent(), client);
        if (auto *box = qobject_cast<TileBox *>(client->child(i)->object()))
            QCOMPARE(box->Index(), boxes++);
    }
    QCOMPARE(boxes, Grid::CellCount);
}

void AccessibilityTest::tilesNameTheirPiece_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("place");
    QTest::newRow("before a picture") << -1 << 0 << "Empty" << "Row 1, column 1";
    QTest::newRow("first piece") << 1 << 0 << "Piece 1" << "Row 1, column 1";
    QTest::newRow("start of a row") << 1 << 12 << "Piece 13" << "Row 4, column 1";
    QTest::newRow("other picture") << 2 << 6 << "Piece 7" << "Row 2, column 3";
    QTest::newRow("end of a row") << 0 << 7 << "Piece 8" << "Row 2, column 4";
    QTest::newRow("hole piece") << 0 << 15 << "Hole" << "Row 4, column 4";
}

void AccessibilityTest::tilesNameTheirPiece()
{
    QFETCH(int, entry);
    QFETCH(int, box);
    QFETCH(QString, name);
    QFETCH(QString, place);
    FormFixture fixture;
    if (entry >= 0)
        fixture.choose(entry);
    QCOMPARE(::name(fixture.form, box), name);
    QCOMPARE(accessible(&fixture.form.Picture1(Integer(box)))->text(QAccessible::Description), place);
}

// Both boxes and the counter tell of a move; the counter stays read-only
// text, labelled by the label above it, with no selection to read out.
void AccessibilityTest::aMoveIsReflected()
{
    FormFixture fixture;
    fixture.choose(1);
    fixture.start();
    fixture.arrange(Boards::inOrder());
    fixture.clickTile(11);
    QCOMPARE(name(fixture.form, 11), QStringLiteral("Hole"));
    QCOMPARE(name(fixture.form, 15), QStringLiteral("Piece 12"));
    QAccessibleInterface *counter = accessible(&fixture.form.Text1());
    QCOMPARE(counter->text(QAccessible::Value), QStringLiteral("1"));
    QAccessibleTextInterface *text = counter->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("1"));
    fixture.form.Text1().selectAll();
    QCOMPARE(text->selectionCount(), 0);
    QVERIFY(counter->state().readOnly);
    QVERIFY(!counter->state().editable);
    const auto labels = counter->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels[0].first->object(), &fixture.form.Label2());
}

void AccessibilityTest::pressActionIsAClick_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("behindMessageBox");
    QTest::addColumn<bool>("dealt");
    QTest::newRow("beside the hole") << 14 << "1" << 0 << false << true;
    QTest::newRow("far from it") << 0 << "0" << 1 << false << true;
    QTest::newRow("behind a message box") << 14 << "0" << 0 << true << true;
    QTest::newRow("before the first deal") << 14 << "0" << 0 << false << false;
}

void AccessibilityTest::pressActionIsAClick()
{
    QFETCH(int, box);
    QFETCH(QString, counter);
    QFETCH(int, messages);
    QFETCH(bool, behindMessageBox);
    QFETCH(bool, dealt);
    FormFixture fixture;
    fixture.choose(0);
    if (dealt)
        fixture.start();
    fixture.arrange(Boards::inOrder());
    QMessageBox open(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, &fixture.form);
    if (behindMessageBox)
        open.open();
    QAccessibleInterface *tile = accessible(&fixture.form.Picture1(Integer(box)));
    QCOMPARE(tile->state().disabled, !dealt);
    QCOMPARE(tile->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()), dealt);
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QCOMPARE(fixture.counter(), counter);
    QCOMPARE(fixture.messageBox.shown.size(), messages);
    QCOMPARE(fixture.hole() == box, counter == "1");
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
