#pragma once
// A tiny HTTP server on loopback that answers every request with a page
// whose title is the requested path, so a test can tell which page loaded.

#include <QTcpServer>
#include <QTcpSocket>

class PageServer : public QTcpServer {
public:
    PageServer() { connect(this, &QTcpServer::newConnection, this, &PageServer::serve); }

    bool start() { return listen(QHostAddress::LocalHost); }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

    static QString titleFor(const QString &path) { return QStringLiteral("Orvane test ") + path; }

private:
    void serve()
    {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray request = socket->readAll();
                // The first line reads "GET /path HTTP/1.1".
                const QList<QByteArray> words = request.left(request.indexOf('\r')).split(' ');
                const QByteArray path = words.size() > 1 ? words.at(1) : QByteArray("/");
                const QByteArray body = "<html><head><title>" + titleFor(QString::fromUtf8(path)).toUtf8() +
                                        "</title></head><body><h1>Orvane test page</h1><p>" + path +
                                        "</p></body></html>";
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                              "Connection: close\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        }
    }
};
