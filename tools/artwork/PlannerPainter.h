#pragma once

class QPainter;
class QString;

// The pages of the undated planner: a numbered series, one layout per page
// position (year, month, week, day, habits, goals), and a lined notes page that
// serves every later page.
class PlannerPainter {
public:
  static int pageCount() { return 6; }

  // Page position index (0 to pageCount() - 1) in points on a 757 by 950 page.
  static void paintPage(QPainter &painter, int index);
  static void paintNotesPage(QPainter &painter);

private:
  static void paintHeading(QPainter &painter, const QString &title, const QString &subtitle);
  static void paintYear(QPainter &painter);
  static void paintMonth(QPainter &painter);
  static void paintWeek(QPainter &painter);
  static void paintDay(QPainter &painter);
  static void paintHabits(QPainter &painter);
  static void paintGoals(QPainter &painter);
};
